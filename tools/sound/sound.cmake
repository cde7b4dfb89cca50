# The sounds of the game, made at build time from assets/sound: the effects and the menu song
# become the Qt resources ":/RCDATA/<name>" of quorvex_ui, the spoken card names the voice
# library ZefCVoice3.dll beside the program. Included from the top level so that the resources
# join that target.
find_package(Qt6 REQUIRED COMPONENTS Multimedia)
find_path(QUORVEX_FLUIDSYNTH_INCLUDE fluidsynth.h REQUIRED)
find_library(QUORVEX_FLUIDSYNTH_LIBRARY fluidsynth REQUIRED)
find_path(QUORVEX_ESPEAK_INCLUDE espeak-ng/speak_lib.h REQUIRED)
find_library(QUORVEX_ESPEAK_LIBRARY espeak-ng REQUIRED)

target_include_directories(quorvex_ui PUBLIC ${QUORVEX_FLUIDSYNTH_INCLUDE})
target_link_libraries(quorvex_ui PUBLIC Qt6::Multimedia ${QUORVEX_FLUIDSYNTH_LIBRARY})

set(_sound_dir ${CMAKE_BINARY_DIR}/generated/sound)
set(_sound_assets ${CMAKE_CURRENT_SOURCE_DIR}/assets/sound)

# Effects: one WAV per name, synthesised from the descriptions in effects.txt.
set(QUORVEX_EFFECTS WTasoKo WHodsDo WKoloNo WKoGutX WKoBadX WKoGood WKoBads WFiBest WFiGood
                    WFiBads WDiPass WDiPlay WPlMore WOpenFo WToMenK WWrongs STimerA STimerB)
add_executable(quorvex_effectgen ${CMAKE_CURRENT_LIST_DIR}/effectgen.cpp)
target_link_libraries(quorvex_effectgen PRIVATE quorvex_core quorvex_warnings)
set(_effect_files)
foreach(_e ${QUORVEX_EFFECTS})
  list(APPEND _effect_files ${_sound_dir}/${_e})
endforeach()
add_custom_command(
  OUTPUT ${_effect_files}
  COMMAND quorvex_effectgen ${_sound_assets}/effects.txt ${_sound_dir} ${QUORVEX_EFFECTS}
  DEPENDS quorvex_effectgen ${_sound_assets}/effects.txt
  COMMENT "Synthesising the sound effects")

# The menu song: the note list becomes a standard MIDI file.
add_executable(quorvex_songgen ${CMAKE_CURRENT_LIST_DIR}/songgen.cpp)
target_link_libraries(quorvex_songgen PRIVATE quorvex_warnings)
add_custom_command(
  OUTPUT ${_sound_dir}/MidiSong
  COMMAND ${CMAKE_COMMAND} -E make_directory ${_sound_dir}
  COMMAND quorvex_songgen ${_sound_assets}/song.txt ${_sound_dir}/MidiSong
  DEPENDS quorvex_songgen ${_sound_assets}/song.txt
  COMMENT "Writing the menu song")

qt_add_resources(quorvex_ui quorvex_sounds PREFIX /RCDATA BASE ${_sound_dir}
                 FILES ${_effect_files} ${_sound_dir}/MidiSong)

# The voice library: espeak-ng speaks the 550 names in one run of the generator (a second or
# two), and rcc packs them uncompressed, as WAV hardly shrinks.
add_executable(quorvex_voicegen ${CMAKE_CURRENT_LIST_DIR}/voicegen.cpp)
target_include_directories(quorvex_voicegen PRIVATE ${QUORVEX_ESPEAK_INCLUDE})
target_link_libraries(quorvex_voicegen PRIVATE quorvex_core ${QUORVEX_ESPEAK_LIBRARY}
                                               quorvex_warnings)
set(_voice_dir ${CMAKE_BINARY_DIR}/generated/voice)
set(_voice_library ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/ZefCVoice3.dll)
add_custom_command(
  OUTPUT ${_voice_library}
  COMMAND quorvex_voicegen ${_sound_assets}/card_names.tsv ${_voice_dir}
  COMMAND Qt6::rcc --binary --no-compress ${_voice_dir}/voices.qrc -o ${_voice_library}
  DEPENDS quorvex_voicegen ${_sound_assets}/card_names.tsv
  COMMENT "Speaking the card names of the voice library")
add_custom_target(quorvex_voice_library ALL DEPENDS ${_voice_library})
# Whatever links the window finds the library beside it.
add_dependencies(quorvex_ui quorvex_voice_library)

# The installed station list of the radio: assets/radio/stations.txt with the services' address,
# as UTF-16, beside the program.
add_executable(quorvex_radiolist ${CMAKE_CURRENT_LIST_DIR}/radiolist.cpp
                                 ${CMAKE_CURRENT_SOURCE_DIR}/src/sound/radio_stations.cpp)
target_include_directories(quorvex_radiolist PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/src)
target_link_libraries(quorvex_radiolist PRIVATE quorvex_warnings)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/bin/ZefRadio.rad
  COMMAND quorvex_radiolist ${CMAKE_CURRENT_SOURCE_DIR}/assets/radio/stations.txt
          ${QUORVEX_SERVICE_URL} ${CMAKE_BINARY_DIR}/bin/ZefRadio.rad
  DEPENDS quorvex_radiolist ${CMAKE_CURRENT_SOURCE_DIR}/assets/radio/stations.txt
  COMMENT "Writing the radio's station list"
  VERBATIM)
add_custom_target(quorvex_radio_files ALL DEPENDS ${CMAKE_BINARY_DIR}/bin/ZefRadio.rad)
