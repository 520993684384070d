# Each folder of tests/driver/cases is one run of the real program, compared
# byte for byte with its expected files (see run_case.sh). A case that cannot
# run on the Windows leg reports why and counts as skipped.
find_program(TENSOR3D_BASH bash REQUIRED)
if(CMAKE_CROSSCOMPILING)
  set(tensor3d_e2e_flavor windows)
else()
  set(tensor3d_e2e_flavor posix)
endif()

file(GLOB tensor3d_e2e_cases LIST_DIRECTORIES true CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_SOURCE_DIR}/driver/cases/*)
foreach(case IN LISTS tensor3d_e2e_cases)
  if(NOT IS_DIRECTORY ${case})
    continue()
  endif()
  get_filename_component(name ${case} NAME)
  add_test(NAME driver_end_to_end_${name}
    COMMAND ${TENSOR3D_BASH} ${CMAKE_CURRENT_SOURCE_DIR}/driver/run_case.sh
      ${tensor3d_e2e_flavor} ${case} -- ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:tensor3d>)
  set_tests_properties(driver_end_to_end_${name} PROPERTIES
    SKIP_RETURN_CODE 77 TIMEOUT 120 ENVIRONMENT WINEDEBUG=-all)
endforeach()
