set(CMAKE_C_COMPILER ${MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLE}-windres)
set(CMAKE_ASM_NASM_COMPILER nasm)

# Static libpng and libjpeg-turbo built by scripts/setup live under .deps.
get_filename_component(ACS_DEPS_PREFIX "${CMAKE_CURRENT_LIST_DIR}/../.deps/${MINGW_TRIPLE}" ABSOLUTE)
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLE} ${ACS_DEPS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Without this the zlib import library is found and programs need zlib1.dll.
set(ZLIB_LIBRARY /usr/${MINGW_TRIPLE}/lib/libz.a CACHE FILEPATH "static zlib")
set(ZLIB_INCLUDE_DIR /usr/${MINGW_TRIPLE}/include CACHE PATH "zlib headers")
