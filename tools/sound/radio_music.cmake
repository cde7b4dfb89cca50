# The server's own music: the note lists of assets/sound/radio become MP3 tracks beside the
# server (bin/server-musik) with the playlist that names them. Each track is written as MIDI,
# played into a WAV file by FluidSynth with the General MIDI sound font and encoded by lame;
# every step depends only on its own note list, so a changed song renders alone.
find_program(QUORVEX_FLUIDSYNTH_PROGRAM fluidsynth)
find_program(QUORVEX_LAME_PROGRAM lame)
find_file(QUORVEX_GM_SOUNDFONT NAMES default-GM.sf2 TimGM6mb.sf2 FluidR3_GM.sf2
          PATHS /usr/share/sounds/sf2 NO_DEFAULT_PATH)
if(NOT QUORVEX_FLUIDSYNTH_PROGRAM OR NOT QUORVEX_LAME_PROGRAM OR NOT QUORVEX_GM_SOUNDFONT)
  message(WARNING "fluidsynth, lame or a General MIDI sound font is missing (see scripts/deps.sh): "
                  "the server is built without its own music")
  return()
endif()

if(NOT TARGET quorvex_songgen)
  add_executable(quorvex_songgen ${CMAKE_SOURCE_DIR}/tools/sound/songgen.cpp)
  target_link_libraries(quorvex_songgen PRIVATE quorvex_warnings)
endif()

# Note list, then the track's name in the playlist: artist "~" title, underscores for blanks.
set(QUORVEX_RADIO_TRACKS
    morning_deal Quorvex_House_Band~Morning_Deal
    quiet_trump Felt_Quartet~Quiet_Trump
    stock_shuffle The_Draw_Pile~Stock_Shuffle
    rainy_auction Nora_Vale~Rainy_Auction
    grand_slam_parade The_Redoubles~Grand_Slam_Parade
    lamplight_lullaby Mira_Stock~Lamplight_Lullaby)

set(_radio_assets ${CMAKE_SOURCE_DIR}/assets/sound/radio)
set(_radio_work ${CMAKE_BINARY_DIR}/generated/radio)
set(_musik_dir ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/server-musik)
set(_tracks)
set(_playlist "")
list(LENGTH QUORVEX_RADIO_TRACKS _count)
math(EXPR _last "${_count} - 1")
foreach(_i RANGE 0 ${_last} 2)
  math(EXPR _j "${_i} + 1")
  list(GET QUORVEX_RADIO_TRACKS ${_i} _song)
  list(GET QUORVEX_RADIO_TRACKS ${_j} _name)
  set(_mp3 ${_musik_dir}/${_name}.mp3)
  string(REPLACE "~" ";" _parts ${_name})
  list(GET _parts 0 _artist)
  list(GET _parts 1 _title)
  string(REPLACE "_" " " _artist ${_artist})
  string(REPLACE "_" " " _title ${_title})
  add_custom_command(
    OUTPUT ${_mp3}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${_radio_work} ${_musik_dir}
    COMMAND quorvex_songgen ${_radio_assets}/${_song}.txt ${_radio_work}/${_song}.mid
    COMMAND ${QUORVEX_FLUIDSYNTH_PROGRAM} -n -i -q -g 0.7 -r 44100 -T wav -O s16
            -F ${_radio_work}/${_song}.wav ${QUORVEX_GM_SOUNDFONT} ${_radio_work}/${_song}.mid
    COMMAND ${QUORVEX_LAME_PROGRAM} --quiet --noreplaygain -b 128 --cbr --add-id3v2
            --ta ${_artist} --tt ${_title} ${_radio_work}/${_song}.wav ${_mp3}
    COMMAND ${CMAKE_COMMAND} -E rm -f ${_radio_work}/${_song}.wav
    DEPENDS quorvex_songgen ${_radio_assets}/${_song}.txt
    COMMENT "Playing and encoding the track ${_name}"
    VERBATIM)
  list(APPEND _tracks ${_mp3})
  string(APPEND _playlist "${_name}.mp3\n")
endforeach()

file(GENERATE OUTPUT ${_musik_dir}/_playlist.html CONTENT "${_playlist}")
add_custom_target(quorvex_server_music ALL DEPENDS ${_tracks})
