# Sourced once per command, after set-up: decides which Windows build this
# host tests and runs under Wine, says which in one line, and exports
# TARNWICK_WINE_ARCH (32 or 64), WINDOWS_PRESET and WINDOWS_BUILD.
# TARNWICK_WINE_ARCH=32 or 64 in the environment forces the choice.

# Empty when the 32-bit Wine loader starts; else why it does not. Some x86-64
# kernels refuse every 32-bit program ("Exec format error").
wine32_fault() {
    local loader=/usr/lib/wine/wine out
    if [ ! -e "$loader" ]; then
        echo "the 32-bit Wine loader $loader is not installed"
        return
    fi
    out=$("$loader" --version 2>&1 </dev/null) && [[ $out == wine-* ]] && return
    out=${out%%$'\n'*}
    echo "$loader: ${out##*: }"
}

if [ -z "${TARNWICK_WINE_DECIDED:-}" ]; then
    fault=$(wine32_fault)
    case "${TARNWICK_WINE_ARCH:-}" in
    "")
        if [ -z "$fault" ]; then
            TARNWICK_WINE_ARCH=32
            why="this host runs 32-bit programs"
        else
            TARNWICK_WINE_ARCH=64
            why="this host cannot run 32-bit programs ($fault)"
        fi
        ;;
    32)
        if [ -n "$fault" ]; then
            echo "error: TARNWICK_WINE_ARCH=32, but this host cannot run 32-bit programs ($fault)" >&2
            return 1
        fi
        why="TARNWICK_WINE_ARCH=32 asks for it"
        ;;
    64) why="TARNWICK_WINE_ARCH=64 asks for it" ;;
    *)
        echo "error: TARNWICK_WINE_ARCH must be 32 or 64, not '$TARNWICK_WINE_ARCH'" >&2
        return 1
        ;;
    esac
    if [ "$TARNWICK_WINE_ARCH" = 64 ] && [ ! -x /usr/lib/wine/wine64 ]; then
        echo "error: the 64-bit Wine loader /usr/lib/wine/wine64 is missing (package wine64)" >&2
        return 1
    fi
    if [ "$TARNWICK_WINE_ARCH" = 32 ]; then
        export WINDOWS_PRESET=windows WINDOWS_BUILD=build/windows
        echo "wine: testing and running the 32-bit (i686) Windows build: $why"
    else
        export WINDOWS_PRESET=windows64 WINDOWS_BUILD=build/windows64
        echo "wine: testing and running the 64-bit (x86_64) Windows build under 64-bit Wine: $why"
    fi
    export TARNWICK_WINE_ARCH TARNWICK_WINE_DECIDED=1
    unset fault why
fi
