# Sourced by the scripts: choices that depend on the machine.

# The Windows build whose programs this machine can run under Wine: win32
# where the kernel executes 32-bit programs (32-bit Wine), otherwise win64,
# the same sources built for x86_64 and run by 64-bit Wine.
orlena_runnable_preset() {
    if /usr/lib/wine/wine --version >/dev/null 2>&1; then echo win32; else echo win64; fi
}

# The presets to build and test here: the shipped DLLs, the native code and,
# where it differs from win32, the runnable Windows build.
orlena_presets() {
    local runnable
    runnable="$(orlena_runnable_preset)"
    echo win32 native
    [ "$runnable" = win32 ] || echo "$runnable"
}

orlena_arch_of_preset() {
    if [ "$1" = win32 ]; then echo i686; else echo x86_64; fi
}
