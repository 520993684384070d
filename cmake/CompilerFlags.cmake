# Every target of the project computes in exact single precision: no fused
# multiply-add contraction, no relaxed floating-point semantics, SSE arithmetic
# on x86 (never the x87 unit with its wider registers).
function(tensor3d_apply_flags target)
  target_compile_options(${target} PRIVATE
    -ffp-contract=off -fno-fast-math
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)
  if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|amd64|i.86)$")
    target_compile_options(${target} PRIVATE -msse2 -mfpmath=sse)
  endif()
  if(TENSOR3D_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  if(WIN32)
    # A bare Windows machine has no MinGW runtime DLLs.
    target_link_options(${target} PRIVATE -static)
  endif()
endfunction()

# A project library: one folder, one static library.
function(tensor3d_library target)
  add_library(${target} STATIC ${ARGN})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  tensor3d_apply_flags(${target})
endfunction()
