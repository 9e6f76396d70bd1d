# Hardened optimised builds: position-independent executables, full RELRO, stack
# protector and fortified libc calls (which need optimisation). Left out of sanitizer
# builds, whose own checks replace them. Included by the project and by the CI's
# fortify probe, so that both compile with the same options.
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
include(CheckPIESupported)
check_pie_supported()
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang" AND NOT FC_SANITIZE)
  set(FC_HARDENED_CONFIGS "$<CONFIG:Release,RelWithDebInfo>")
  add_compile_options(
    "$<${FC_HARDENED_CONFIGS}:-fstack-protector-strong>"
    "$<${FC_HARDENED_CONFIGS}:-U_FORTIFY_SOURCE>"
    "$<${FC_HARDENED_CONFIGS}:-D_FORTIFY_SOURCE=2>")
  add_link_options("$<${FC_HARDENED_CONFIGS}:LINKER:-z,relro,-z,now>")
endif()
