# Runs at install time: grants the installed program the capability to
# listen on port 1007, a port below 1024, when installing as root on Linux.
# KELMO_INSTALL_BINDIR is set by the install rules just before.
set(kelmo_binary "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${KELMO_INSTALL_BINDIR}/kelmo")
if(NOT CMAKE_HOST_SYSTEM_NAME STREQUAL "Linux")
    return()
endif()

# A staged install (DESTDIR set, as CPack does too) is packed or copied
# elsewhere, which usually drops a file's capabilities (tar and dpkg do):
# whatever installs the package grants it there, as the Debian package's
# postinst does.
if(NOT "$ENV{DESTDIR}" STREQUAL "")
    message(STATUS "Staged install: cap_net_bind_service is left for the package's installation to grant to ${CMAKE_INSTALL_PREFIX}/${KELMO_INSTALL_BINDIR}/kelmo")
    return()
endif()

execute_process(COMMAND id -u OUTPUT_VARIABLE kelmo_uid OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
find_program(kelmo_setcap setcap PATHS /usr/sbin /sbin)
set(kelmo_granted FALSE)
if(kelmo_uid STREQUAL "0" AND kelmo_setcap)
    execute_process(COMMAND ${kelmo_setcap} cap_net_bind_service=+ep ${kelmo_binary}
                    RESULT_VARIABLE kelmo_result OUTPUT_QUIET ERROR_QUIET)
    if(kelmo_result EQUAL 0)
        set(kelmo_granted TRUE)
    endif()
endif()

if(kelmo_granted)
    message(STATUS "Granted cap_net_bind_service to ${kelmo_binary}: any user can wait for an opponent on port 1007")
else()
    message(STATUS "Could not grant cap_net_bind_service to ${kelmo_binary} (needs root and setcap): see the README to let a normal user wait for an opponent on port 1007")
endif()
