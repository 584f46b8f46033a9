# The packaged program is built the way Debian builds its own: with the flags
# dpkg-buildflags gives under full hardening (stack protector, _FORTIFY_SOURCE,
# read-only relocations bound at start-up; g++ builds position-independent
# executables by default). They go in front of CMAKE_CXX_FLAGS, as the CXXFLAGS
# of a Debian build would, so the build type's flags and the project's own
# options, -ffp-contract=off among them, come after them and win.
function(tav20_use_debian_build_flags)
    find_program(TAV20_DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
        # Run from the source folder: -ffile-prefix-map maps the folder it runs in.
        execute_process(
            COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                    ${TAV20_DPKG_BUILDFLAGS} --get ${kind}
            WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
            OUTPUT_VARIABLE ${kind} OUTPUT_STRIP_TRAILING_WHITESPACE
            COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
    message(STATUS "Debian build flags: ${CPPFLAGS} ${CXXFLAGS} | ${LDFLAGS}")
    set(CMAKE_CXX_FLAGS "${CPPFLAGS} ${CXXFLAGS} ${CMAKE_CXX_FLAGS}" PARENT_SCOPE)
    set(CMAKE_EXE_LINKER_FLAGS "${LDFLAGS} ${CMAKE_EXE_LINKER_FLAGS}" PARENT_SCOPE)
    set(CMAKE_MODULE_LINKER_FLAGS "${LDFLAGS} ${CMAKE_MODULE_LINKER_FLAGS}" PARENT_SCOPE)
endfunction()
