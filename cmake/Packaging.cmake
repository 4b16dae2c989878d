# The release packages, made by scripts/release.sh with CPack: from the
# i686 tree Tarnwick-<version>-win32.zip (Tarnwick.exe, twk.exe, README.txt),
# from the native tree tarnwick-<version>-linux-x86_64.tar.gz (twk,
# README.txt). Only 32-bit programs share the simulator's redirected
# scenery.cfg, so the x86_64 tree, which is for testing, makes none.
if(WIN32 AND NOT CMAKE_SIZEOF_VOID_P EQUAL 4)
    return()
endif()

# README.txt: the manual for users that README.md marks.
file(READ ${PROJECT_SOURCE_DIR}/README.md readme)
string(FIND "${readme}" "<!-- manual -->\n" nStart)
string(FIND "${readme}" "<!-- /manual -->" nEnd)
if(nStart LESS 0 OR nEnd LESS nStart)
    message(FATAL_ERROR "README.md marks no manual (<!-- manual --> ... <!-- /manual -->) for README.txt")
endif()
math(EXPR nStart "${nStart} + 16")
math(EXPR nLength "${nEnd} - ${nStart}")
string(SUBSTRING "${readme}" ${nStart} ${nLength} users)
set(users "Tarnwick ${PROJECT_VERSION}\n${users}\n")
if(WIN32)
    # Every Windows editor shows lines ended by CR LF.
    string(REPLACE "\n" "\r\n" users "${users}")
endif()
file(WRITE ${CMAKE_BINARY_DIR}/README.txt "${users}")

install(TARGETS twk RUNTIME DESTINATION .)
if(WIN32)
    install(TARGETS Tarnwick RUNTIME DESTINATION .)
    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_FILE_NAME "Tarnwick-${PROJECT_VERSION}-win32")
else()
    set(CPACK_GENERATOR TGZ)
    set(CPACK_PACKAGE_FILE_NAME "tarnwick-${PROJECT_VERSION}-linux-x86_64")
endif()
install(FILES ${CMAKE_BINARY_DIR}/README.txt DESTINATION .)
# The script builds the programs; packing them builds nothing else.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_STRIP_FILES ON)
include(CPack)
