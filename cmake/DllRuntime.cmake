# Every C++ DLL the project builds carries the runtime's thread support of src/runtime
# and enters through LmDllEntry, which gives back what the C++ runtime took (TLS slots,
# locks, per-thread values, the exception pool) when the DLL is unloaded. Without it the
# toolchain's thread library would come in, which gives none of that back.
function(lm_use_dll_runtime target)
  target_sources(${target} PRIVATE $<TARGET_OBJECTS:lm_dll_runtime>)
  target_link_options(${target} PRIVATE -Wl,--entry=LmDllEntry)
endfunction()
