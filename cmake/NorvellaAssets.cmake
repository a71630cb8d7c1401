# norvella_render_assets(<name> SOURCE_DIR <dir> OUTPUT_RC <variable>)
#
# Renders every SVG of <dir> with tools/render-assets into the build tree and hands back, in
# <variable>, the generated resource script to add to a program's sources.
find_program(NORVELLA_RSVG_CONVERT rsvg-convert REQUIRED)
find_program(NORVELLA_IMAGEMAGICK convert REQUIRED)

function(norvella_render_assets name)
  cmake_parse_arguments(A "" "SOURCE_DIR;OUTPUT_RC" "" ${ARGN})
  file(GLOB svgs CONFIGURE_DEPENDS ${A_SOURCE_DIR}/*.svg)
  list(SORT svgs)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${name})
  set(rc ${out}/${name}.rc)
  add_custom_command(
    OUTPUT ${rc}
    COMMAND ${PROJECT_SOURCE_DIR}/tools/render-assets ${out} ${rc} ${svgs}
    DEPENDS ${svgs} ${PROJECT_SOURCE_DIR}/tools/render-assets
    COMMENT "Rendering the pictures of ${name}"
    VERBATIM)
  set(${A_OUTPUT_RC} ${rc} PARENT_SCOPE)
endfunction()
