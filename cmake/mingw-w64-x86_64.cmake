# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 compilers. The -posix variants
# carry the C++ threads (std::thread, std::mutex) that Qt and the program use.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLE}-windres)

# Libraries and headers come from the MinGW sysroot and the Windows Qt; programs run here.
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The Windows Qt that scripts/build-windows-qt made, when a project is built against it; its
# tools (moc, rcc, lrelease) are the host's, of the same version.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KESTROVA_WINDOWS_QT)
if(KESTROVA_WINDOWS_QT)
    list(APPEND CMAKE_FIND_ROOT_PATH ${KESTROVA_WINDOWS_QT})
    list(APPEND CMAKE_PREFIX_PATH ${KESTROVA_WINDOWS_QT})
endif()
