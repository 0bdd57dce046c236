# The installer of the program (NSIS, src/instalator/vypnuti.nsi), built with it into
# vypnuti-instalace.exe. With the tests, also an older build of the program and its installer, in
# starsi/, for the test of an update over a running program.
find_program(MAKENSIS makensis)
if(NOT MAKENSIS)
  message(WARNING "makensis not found (Debian's nsis; tools/install-deps.sh installs it): no installer")
  return()
endif()

set(instalator_skript ${CMAKE_SOURCE_DIR}/src/instalator/vypnuti.nsi)

# The makensis command, in ${vysledek}, for a program file, a version and an output file; further
# makensis options may follow.
function(vypnuti_makensis vysledek program verze vystup)
  set(${vysledek} ${MAKENSIS} -V2 -WX -INPUTCHARSET UTF8 -DVERZE=${verze} -DPROGRAM=${program}
      -DIKONA=${CMAKE_SOURCE_DIR}/src/app/vypnuti.ico -DVYSTUP=${vystup} ${ARGN} ${instalator_skript}
      PARENT_SCOPE)
endfunction()

# An installer target of the given program target, version and output file.
function(vypnuti_instalator cil program verze vystup)
  vypnuti_makensis(makensis $<TARGET_FILE:${program}> ${verze} ${vystup})
  add_custom_command(OUTPUT ${vystup} COMMAND ${makensis}
    DEPENDS ${program} ${instalator_skript} ${CMAKE_SOURCE_DIR}/src/app/vypnuti.ico
    COMMENT "Installer ${vystup}" VERBATIM)
  add_custom_target(${cil} ALL DEPENDS ${vystup})
endfunction()

vypnuti_instalator(instalator vypnuti ${PROJECT_VERSION} ${CMAKE_BINARY_DIR}/vypnuti-instalace.exe)

# A signed release (tools/release.sh with a certificate): a signed copy of the program in podepsane/,
# and an installer around it whose uninstaller and own file makensis has signed (tools/podepis.sh).
# Only on demand, and every time: the certificate comes from the environment, and no signature is
# the same twice.
if(NOT BUILD_TESTING)
  set(podepsane ${CMAKE_BINARY_DIR}/podepsane)
  set(podepis ${CMAKE_SOURCE_DIR}/tools/podepis.sh)
  vypnuti_makensis(makensis ${podepsane}/vypnuti.exe ${PROJECT_VERSION} ${podepsane}/vypnuti-instalace.exe
                   -DPODEPSAT=${podepis})
  add_custom_target(podepsane
    COMMAND ${CMAKE_COMMAND} -E make_directory ${podepsane}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:vypnuti> ${podepsane}/vypnuti.exe
    COMMAND ${podepis} ${podepsane}/vypnuti.exe
    COMMAND ${makensis}
    COMMENT "Signed program and installer in ${podepsane}" VERBATIM)
  add_dependencies(podepsane vypnuti)
endif()

if(BUILD_TESTING)
  # The same program under a lower version: only its version resource differs.
  set(VYPNUTI_VERZE_STARSI 1.0.0.0)
  if(NOT VYPNUTI_VERZE_STARSI VERSION_LESS PROJECT_VERSION)
    message(FATAL_ERROR "The older test build ${VYPNUTI_VERZE_STARSI} must be older than ${PROJECT_VERSION}")
  endif()
  vypnuti_verze_h(${VYPNUTI_VERZE_STARSI} ${CMAKE_BINARY_DIR}/starsi)
  add_executable(vypnuti_starsi WIN32 ${app_sources} ${app_resources})
  target_include_directories(vypnuti_starsi BEFORE PRIVATE ${CMAKE_BINARY_DIR}/starsi)
  target_link_options(vypnuti_starsi PRIVATE -municode -s)
  target_link_libraries(vypnuti_starsi PRIVATE vypnuti_win)
  set_target_properties(vypnuti_starsi PROPERTIES OUTPUT_NAME vypnuti RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/starsi)
  vypnuti_instalator(instalator_starsi vypnuti_starsi ${VYPNUTI_VERZE_STARSI}
                     ${CMAKE_BINARY_DIR}/starsi/vypnuti-instalace.exe)
endif()
