# qv_add_resources(TARGET SCRIPT.rc): compiles a resource script with qvrc into TARGET, where
# FindResourceW/LoadStringW reach it through the module's handle and GetFileVersionInfoW through its file.
# The script's #include files are found beside it, then in TARGET's include directories.
function(qv_add_resources target script)
  get_filename_component(script_path ${script} ABSOLUTE)
  set(output ${CMAKE_CURRENT_BINARY_DIR}/${target}_resources.cpp)
  set(includes "$<TARGET_PROPERTY:${target},INCLUDE_DIRECTORIES>")
  add_custom_command(
    OUTPUT ${output}
    COMMAND qvrc "$<$<BOOL:${includes}>:-I$<JOIN:${includes},;-I>>" -o ${output} --depfile ${output}.d ${script_path}
    DEPENDS qvrc ${script_path}
    DEPFILE ${output}.d
    COMMENT "Compiling resources ${script}"
    COMMAND_EXPAND_LISTS
    VERBATIM)
  target_sources(${target} PRIVATE ${output})
endfunction()
