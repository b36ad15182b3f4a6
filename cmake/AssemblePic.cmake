# tavrex_assemble(TARGET SOURCE_DIR OUTPUT_DIR): a target that assembles every
# SOURCE_DIR/*.asm into OUTPUT_DIR/NAME.hex with gpasm, for the PIC18F4550.
function(tavrex_assemble cible sources sortie)
  file(GLOB programmes CONFIGURE_DEPENDS ${sources}/*.asm)
  # Included files: a change rebuilds every program of the directory.
  file(GLOB inclus CONFIGURE_DEPENDS ${sources}/*.inc)
  set(hexs)
  foreach(asm ${programmes})
    get_filename_component(nom ${asm} NAME_WE)
    set(hex ${sortie}/${nom}.hex)
    add_custom_command(OUTPUT ${hex}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${sortie}
      COMMAND ${GPASM} -q -p18f4550 -I ${sources} ${asm} -o ${hex}
      DEPENDS ${asm} ${inclus}
      COMMENT "gpasm ${nom}.asm"
      VERBATIM)
    list(APPEND hexs ${hex})
  endforeach()
  add_custom_target(${cible} ALL DEPENDS ${hexs})
endfunction()

# tavrex_lier(TARGET SOURCE OUTPUT_DIR): SOURCE (relocatable) assembled with gpasm -c
# and linked by gplink into OUTPUT_DIR/NAME.hex, with its .map, .cod and listing.
function(tavrex_lier cible source sortie)
  find_program(GPLINK gplink REQUIRED)
  get_filename_component(nom ${source} NAME_WE)
  set(hex ${sortie}/${nom}.hex)
  add_custom_command(OUTPUT ${hex}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${sortie}
    COMMAND ${GPASM} -q -c -p18f4550 ${source} -o ${sortie}/${nom}.o
    COMMAND ${GPLINK} -q -m -o ${hex} ${sortie}/${nom}.o
    DEPENDS ${source}
    COMMENT "gplink ${nom}.hex"
    VERBATIM)
  add_custom_target(${cible} ALL DEPENDS ${hex})
endfunction()
