# muParser evaluates the expressions of equation segments (Debian: libmuparser-dev).
find_package(PkgConfig REQUIRED)
pkg_check_modules(MUPARSER REQUIRED IMPORTED_TARGET muparser)
