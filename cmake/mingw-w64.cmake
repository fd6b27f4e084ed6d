# Cross-builds for 64-bit Windows with Debian's MinGW-w64 compilers. The posix
# thread model is the one Qt's threads (std::thread, std::mutex) need.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(SORVANE_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${SORVANE_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${SORVANE_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${SORVANE_MINGW_TRIPLE}-windres)

# Headers and libraries come from the MinGW tree and the cross-built Qt (given
# as CMAKE_PREFIX_PATH); programs such as moc and rcc come from the build machine.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${SORVANE_MINGW_TRIPLE} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
