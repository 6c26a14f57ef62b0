# Makes the release archive NuvPET-<version>-<arch>.zip: the program, its hook library and a
# runnable pet root beside them, so that the unpacked folder runs as it is.
#
# Run by the `package` target with -D: SOURCE_DIR, BINARY_DIR, VERSION, ARCH, EXE, DLL, STRIP,
# PET_ROOT (a ready pet root, optional), PET_SOURCES (pet sources to pack, optional),
# PETTOOL (a pettool of the build machine, optional: built when missing). Without a root or
# sources the pet is the sample pets (pets/, made by a build for this machine).
cmake_minimum_required(VERSION 3.20)

set(name NuvPET-${VERSION}-${ARCH})
set(work ${BINARY_DIR}/package)
set(stage ${work}/${name})
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work})

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    string(REPLACE ";" " " command "${ARGN}")
    message(FATAL_ERROR "package: failed: ${command}")
  endif()
endfunction()

if(PET_ROOT)
  if(NOT EXISTS ${PET_ROOT}/DATA/PET.CFG)
    message(FATAL_ERROR "package: ${PET_ROOT} is no pet root (no DATA/PET.CFG)")
  endif()
  file(COPY ${PET_ROOT}/ DESTINATION ${stage})
elseif(NOT PET_SOURCES)
  # The sample pets: drawn and packed by a build for this machine.
  message(STATUS "package: building the sample pets on this machine")
  set(tools ${BINARY_DIR}/host-tools)
  run(${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${tools} -DCMAKE_BUILD_TYPE=Release
      -DNUV_BUILD_TESTS=OFF -DNUV_BUILD_BENCHMARKS=OFF)
  run(${CMAKE_COMMAND} --build ${tools} --target petroot -j2)
  file(COPY ${tools}/petroot/ DESTINATION ${stage})
else()
  if(NOT PETTOOL OR NOT EXISTS ${PETTOOL})
    # pettool runs on the build machine: it is built there with the host's compiler.
    message(STATUS "package: building pettool for this machine")
    set(tools ${BINARY_DIR}/host-tools)
    run(${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${tools} -DCMAKE_BUILD_TYPE=Release
        -DNUV_BUILD_TESTS=OFF -DNUV_BUILD_BENCHMARKS=OFF)
    run(${CMAKE_COMMAND} --build ${tools} --target pettool -j2)
    set(PETTOOL ${tools}/tools/pettool)
  endif()
  message(STATUS "package: packing the pet of ${PET_SOURCES}")
  run(${PETTOOL} pack ${PET_SOURCES} ${stage})
endif()

file(MAKE_DIRECTORY ${stage}/ETCS)
file(COPY ${EXE} ${DLL} DESTINATION ${stage})
if(STRIP)
  get_filename_component(exe_name ${EXE} NAME)
  get_filename_component(dll_name ${DLL} NAME)
  run(${STRIP} ${stage}/${exe_name} ${stage}/${dll_name})
endif()
file(WRITE ${stage}/README.txt
"NuvPET ${VERSION}\r\n\r\n"
"Start NuvPet.exe in this folder: the pet appears at the bottom of the screen.\r\n"
"Right-click the pet or its icon in the notification area for its menu; the menu's exit\r\n"
"saves the pet. DATA holds the settings, PETS the pet, ETCS the log (PETLOG.TXT).\r\n")

file(REMOVE ${BINARY_DIR}/${name}.zip)
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${BINARY_DIR}/${name}.zip --format=zip ${name}
                WORKING_DIRECTORY ${work} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "package: could not write ${name}.zip")
endif()
message(STATUS "package: ${BINARY_DIR}/${name}.zip")
