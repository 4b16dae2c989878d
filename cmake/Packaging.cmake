# The release packages, made by scripts/release.sh with CPack: from the
# i686 tree Tarnwick-<version>-win32.zip (Tarnwick.exe, twk.exe, README.txt),
# from the native tree tarnwick-<version>-linux-x86_64.tar.gz (twk,
# README.txt). Only 32-bit programs share the simulator's redirected
# scenery.cfg, so the x86_64 tree, which is for testing, makes none.
if(WIN32 AND NOT CMAKE_SIZEOF_VOID_P EQUAL 4)
    return()
endif()

# README.txt: the manual for users that README.md marks, as plain text and
# for the package's contents: the tarball, which holds twk alone, leaves out
# what README.md marks as the window's.
file(READ ${PROJECT_SOURCE_DIR}/README.md readme)
string(FIND "${readme}" "<!-- manual -->\n" nStart)
string(FIND "${readme}" "<!-- /manual -->" nEnd)
if(nStart LESS 0 OR nEnd LESS nStart)
    message(FATAL_ERROR "README.md marks no manual (<!-- manual --> ... <!-- /manual -->) for README.txt")
endif()
math(EXPR nStart "${nStart} + 16")
math(EXPR nLength "${nEnd} - ${nStart}")
string(SUBSTRING "${readme}" ${nStart} ${nLength} manual)
while(NOT WIN32)
    string(FIND "${manual}" "<!-- window -->\n" nFrom)
    if(nFrom LESS 0)
        break()
    endif()
    string(SUBSTRING "${manual}" ${nFrom} -1 rest)
    string(FIND "${rest}" "<!-- /window -->\n" nTo)
    if(nTo LESS 0)
        message(FATAL_ERROR "README.md: a <!-- window --> without its <!-- /window -->")
    endif()
    math(EXPR nTo "${nTo} + 17")
    string(SUBSTRING "${manual}" 0 ${nFrom} before)
    string(SUBSTRING "${rest}" ${nTo} -1 rest)
    set(manual "${before}${rest}")
endwhile()
file(WRITE ${CMAKE_BINARY_DIR}/README.md.manual "${manual}")
execute_process(COMMAND awk -f ${CMAKE_CURRENT_LIST_DIR}/manual.awk ${CMAKE_BINARY_DIR}/README.md.manual
                OUTPUT_VARIABLE manual COMMAND_ERROR_IS_FATAL ANY)
set(manual "Tarnwick ${PROJECT_VERSION}\n\n${manual}")
if(WIN32)
    # Every Windows editor shows lines ended by CR LF.
    string(REPLACE "\n" "\r\n" manual "${manual}")
endif()
file(WRITE ${CMAKE_BINARY_DIR}/README.txt "${manual}")

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
