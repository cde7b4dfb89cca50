# The pictures of the game: tools/artgen draws them from Debian's card decks and our own art,
# rcc packs them. The program's own resources are compiled into quorvex_ui; the resource
# libraries (ZefCards06A.dll ... ZefCGraph1.dll, ZefCalendar01.dll) are Qt binary resource
# bundles placed beside the game in bin/. Included from the top level so the resources join
# quorvex_ui.
find_package(Qt6 REQUIRED COMPONENTS Svg)

set(QUORVEX_KDE_DECKS "/usr/share/carddecks" CACHE PATH
    "Card decks of kdegames-card-data-kf5 (svg-<name>/<file>.svgz)")
set(QUORVEX_GNOME_DECKS "/usr/share/aisleriot/cards" CACHE PATH
    "Card decks of gnome-cards-data (<file>.svgz)")
set(QUORVEX_SYMBOL_FONT "/usr/share/fonts/truetype/ancient-scripts/Symbola_hint.ttf" CACHE FILEPATH
    "Symbola of fonts-symbola, whose pictures the backs use")
set(QUORVEX_FLAG_PNG_DIR "/usr/share/flags/countries/16x11" CACHE PATH
    "The 16 x 11 flags of famfamfam-flag-png, for the language flags")

# The generator compiles the few naming sources it needs itself: linking the whole core would
# redraw every picture whenever any rule of the game changed.
file(GLOB _artgen_src CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp ${CMAKE_CURRENT_LIST_DIR}/*.h)
list(FILTER _artgen_src EXCLUDE REGEX "contact_sheet\\.cpp$")
add_executable(quorvex_artgen ${_artgen_src}
  ${CMAKE_CURRENT_SOURCE_DIR}/src/art/card_names.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/src/art/back_names.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/src/art/card_geometry.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/src/art/face_pixels.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/src/art/library_rules.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/src/art/button_colours.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/src/art/button_layout.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/src/game/card.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/src/ui/art/suit_symbol.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/src/settings/window_scale.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/src/locale/calendar_pictures.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/src/locale/holiday_record.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/src/locale/holiday_table.cpp)
target_include_directories(quorvex_artgen PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/src)
target_link_libraries(quorvex_artgen PRIVATE Qt6::Gui Qt6::Svg quorvex_warnings)

set(_art_dir ${CMAKE_BINARY_DIR}/generated/art)
set(_artgen_args --kde ${QUORVEX_KDE_DECKS} --gnome ${QUORVEX_GNOME_DECKS}
                 --symbols ${QUORVEX_SYMBOL_FONT} --flags ${QUORVEX_FLAG_PNG_DIR})

# One part: draw its pictures, then pack them with rcc into `output`.
function(quorvex_art_part part output comment)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${_art_dir}
    COMMAND quorvex_artgen ${part} ${_art_dir} ${_artgen_args}
    COMMAND Qt6::rcc --binary --no-compress -o ${output} ${_art_dir}/${part}.qrc
    DEPENDS quorvex_artgen
    COMMENT "${comment}"
    VERBATIM)
endfunction()

set(_bin ${CMAKE_BINARY_DIR}/bin)
# The radio's pictures carry a logo for every station of the installed list.
set(QUORVEX_RADIO_STATIONS ${CMAKE_CURRENT_SOURCE_DIR}/assets/radio/stations.txt)
add_custom_command(
  OUTPUT ${_bin}/ZefRadio02.dll
  COMMAND ${CMAKE_COMMAND} -E make_directory ${_art_dir}
  COMMAND quorvex_artgen radio ${_art_dir} ${_artgen_args} --stations ${QUORVEX_RADIO_STATIONS}
  COMMAND Qt6::rcc --binary --no-compress -o ${_bin}/ZefRadio02.dll ${_art_dir}/radio.qrc
  DEPENDS quorvex_artgen ${QUORVEX_RADIO_STATIONS}
  COMMENT "Drawing the radio's pictures"
  VERBATIM)
quorvex_art_part(cardsA ${_bin}/ZefCards06A.dll "Drawing the card faces of designs 1-31")
quorvex_art_part(cardsB ${_bin}/ZefCards06B.dll "Drawing the card faces of designs 32-39 and the backs")
quorvex_art_part(cardsC ${_bin}/ZefCards06C.dll "Drawing the card faces of designs 40-47")
quorvex_art_part(backgrounds ${_bin}/ZefBackG03.dll "Drawing the table backgrounds")
quorvex_art_part(graphics ${_bin}/ZefCGraph1.dll "Drawing the purple design's pictures")
quorvex_art_part(calendar ${_bin}/ZefCalendar01.dll "Drawing the calendar's pictures")
quorvex_art_part(own ${_art_dir}/own.rcc "Drawing the program's own pictures")
add_custom_target(quorvex_art_libraries ALL
  DEPENDS ${_bin}/ZefCards06A.dll ${_bin}/ZefCards06B.dll ${_bin}/ZefCards06C.dll
          ${_bin}/ZefBackG03.dll ${_bin}/ZefCGraph1.dll ${_bin}/ZefCalendar01.dll
          ${_bin}/ZefRadio02.dll)

# The program's own pictures are compiled in: the bundle's bytes are included by the assembler
# and registered at start, which keeps the compile quick however large the pictures are.
set(_own_art_source ${CMAKE_CURRENT_SOURCE_DIR}/src/ui/art/own_art_data.cpp)
set_source_files_properties(${_own_art_source} PROPERTIES
  OBJECT_DEPENDS ${_art_dir}/own.rcc
  COMPILE_DEFINITIONS QUORVEX_OWN_ART="${_art_dir}/own.rcc")
add_custom_target(quorvex_own_art DEPENDS ${_art_dir}/own.rcc)
add_dependencies(quorvex_ui quorvex_own_art)

# Contact sheets of the art through the program's loaders (not built by default).
add_executable(quorvex_contact_sheet EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/contact_sheet.cpp)
target_link_libraries(quorvex_contact_sheet PRIVATE quorvex_ui quorvex_warnings)
add_dependencies(quorvex_contact_sheet quorvex_art_libraries)
