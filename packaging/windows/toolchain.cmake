# Debian's MinGW-w64 cross compiler for 64-bit Windows, used both to build Qt
# itself and to build the program against that Qt. The posix flavour gives
# std::thread and std::mutex, which the win32 flavour lacks.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(TAV20_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TAV20_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TAV20_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TAV20_MINGW}-windres)

# The Qt cross build; its moc, rcc, uic and Linguist tools are the host's.
if(NOT TAV20_QT_MINGW)
    set(TAV20_QT_MINGW "$ENV{HOME}/.cache/tav20/qt-6.4.2-mingw")
endif()
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)

# Headers, libraries and packages from the Windows side only, so nothing of the
# Linux host is linked in; programs (compilers, host tools) from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${TAV20_MINGW} ${TAV20_QT_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
