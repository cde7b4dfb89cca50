# The flag image lists of the country table: make_flags turns the flags of Debian's
# famfamfam-flag-png into six strips, which become the Qt resources ":/flags/<list>.png" of
# quorvex_ui. Included from the top level so that the resources join that target.
set(QUORVEX_FLAG_DIR "/usr/share/flags/countries/16x11"
    CACHE PATH "Folder of the 16 x 11 <iso>.png flags of famfamfam-flag-png")

add_executable(quorvex_make_flags ${CMAKE_CURRENT_LIST_DIR}/make_flags.cpp)
target_link_libraries(quorvex_make_flags PRIVATE quorvex_core Qt6::Gui quorvex_warnings)

set(_flag_dir ${CMAKE_BINARY_DIR}/generated/flags)
set(_flag_strips)
foreach(_list ILEuro ILAsia ILNAme ILSAme ILOcea ILAfri)
  list(APPEND _flag_strips ${_flag_dir}/${_list}.png)
endforeach()
add_custom_command(
  OUTPUT ${_flag_strips}
  COMMAND quorvex_make_flags ${QUORVEX_FLAG_DIR} ${_flag_dir}
  DEPENDS quorvex_make_flags
  COMMENT "Making the flag image lists")
qt_add_resources(quorvex_ui quorvex_flags PREFIX /flags BASE ${_flag_dir} FILES ${_flag_strips})
