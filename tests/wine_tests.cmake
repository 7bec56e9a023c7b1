# Runs the Win32 test programs of the win64 build under wine64, on the
# rig's private display and prefix. The rig starts once before them and
# stops after them (CTest fixtures), whatever their results.
set(KIVRANO_WIN64_DIR "" CACHE PATH "The win64 build whose test programs run under wine64")
set(rig ${PROJECT_SOURCE_DIR}/tests/win32/wine-rig.sh)

# A rig as a CTest fixture: NAME_start runs `wine-rig.sh START DIR ARGS...`
# before the tests that require FIXTURE, NAME_stop stops it after them.
function(kivrano_wine_rig name fixture dir timeout start)
    add_test(NAME ${name}_start COMMAND ${rig} ${start} ${dir} ${ARGN})
    set_tests_properties(${name}_start PROPERTIES FIXTURES_SETUP ${fixture} TIMEOUT ${timeout})
    add_test(NAME ${name}_stop COMMAND ${rig} stop ${dir})
    set_tests_properties(${name}_stop PROPERTIES FIXTURES_CLEANUP ${fixture})
endfunction()

# A Win32 test program run on the rig in DIR, one at a time on its display.
# Exit code 77 means the program could make none of its checks on this screen (win32_check.h):
# CTest shows the test as skipped.
function(kivrano_wine_program test fixture dir exe)
    add_test(NAME ${test} COMMAND ${rig} run ${dir} ${exe})
    set_tests_properties(${test} PROPERTIES
        FIXTURES_REQUIRED ${fixture} RESOURCE_LOCK ${fixture}_display TIMEOUT 300 SKIP_RETURN_CODE 77
        ENVIRONMENT "KIVRANO_SOURCE_DIR=${PROJECT_SOURCE_DIR};KIVRANO_WIN64_DIR=${KIVRANO_WIN64_DIR}")
endfunction()

# End to end, on the rig in DIR: the built game played with real mouse
# events on the display, its window kept as SCREENSHOT; and the game beside
# a planted winmm.dll and comctl32.dll (from PLANTED), which it must not load.
function(kivrano_e2e_play test fixture dir exe screenshot timeout)
    add_test(NAME ${test} COMMAND ${PROJECT_SOURCE_DIR}/tests/e2e/play-as-user.sh ${dir} ${exe}
             ${PROJECT_SOURCE_DIR}/assets ${screenshot} ${KIVRANO_ASSET_FILES})
    set_tests_properties(${test} PROPERTIES
        FIXTURES_REQUIRED ${fixture} RESOURCE_LOCK ${fixture}_display TIMEOUT ${timeout})
endfunction()
function(kivrano_e2e_planted test fixture dir exe planted)
    add_test(NAME ${test}
             COMMAND ${PROJECT_SOURCE_DIR}/tests/e2e/planted-libraries.sh ${dir} ${exe} ${planted})
    set_tests_properties(${test} PROPERTIES
        FIXTURES_REQUIRED ${fixture} RESOURCE_LOCK ${fixture}_display TIMEOUT 120)
endfunction()

if(KIVRANO_WIN64_DIR)
    set(rig_dir ${CMAKE_BINARY_DIR}/wine-rig)
    set(tests64 ${KIVRANO_WIN64_DIR}/tests/win32)
    kivrano_wine_rig(wine_rig wine ${rig_dir} 120 start)
    file(GLOB win32_tests CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/win32/*_test.cpp)
    foreach(source ${win32_tests})
        get_filename_component(name ${source} NAME_WE)
        kivrano_wine_program(win32.${name} wine ${rig_dir} ${tests64}/${name}.exe)
    endforeach()
    kivrano_e2e_play(e2e.play_as_user wine ${rig_dir} ${KIVRANO_WIN64_DIR}/app/Kivrano.exe
                     ${CMAKE_BINARY_DIR}/e2e-game.png 120)
    kivrano_e2e_planted(e2e.planted_libraries wine ${rig_dir} ${KIVRANO_WIN64_DIR}/app/Kivrano.exe
                        ${tests64}/planted)

    # The start-up once more on a screen too low for the default size, on a
    # rig of its own: the window opens Tiny and the taller sizes are grayed.
    set(small_rig_dir ${CMAKE_BINARY_DIR}/wine-rig-600)
    kivrano_wine_rig(wine_rig_small wine_small ${small_rig_dir} 120 start 1024x600)
    kivrano_wine_program(win32.startup_test.small_screen wine_small ${small_rig_dir}
                         ${tests64}/startup_test.exe)

    # Every fixed size on screens tall enough to show Huge whole, yet one
    # pixel short of where it fits (its height with the status bar + 2), so
    # that Huge is grayed and a stored Huge opens Tiny: Wine's own metrics
    # (Huge 818 x 876), and a themed Windows' (caption 23, menu bar 20 and
    # padded border 4 pixels at 96 DPI; Huge 818 x 887 with its 24-pixel
    # status bar, which would fit this screen if the bar were 20).
    set(tall_rig_dir ${CMAKE_BINARY_DIR}/wine-rig-877)
    kivrano_wine_rig(wine_rig_tall wine_tall ${tall_rig_dir} 120 start 1024x877 classic)
    set(themed_rig_dir ${CMAKE_BINARY_DIR}/wine-rig-themed)
    kivrano_wine_rig(wine_rig_themed wine_themed ${themed_rig_dir} 120 start 1024x888 themed)
    foreach(name startup_test window_size_test)
        kivrano_wine_program(win32.${name}.tall_screen wine_tall ${tall_rig_dir} ${tests64}/${name}.exe)
        kivrano_wine_program(win32.${name}.themed wine_themed ${themed_rig_dir} ${tests64}/${name}.exe)
    endforeach()

    # The paint test once more on a screen of 256 colours, a palette device, on a
    # rig of its own: there every picture is drawn with a palette of its colours,
    # which must be released (KIVRANO_PALETTE_DEVICE makes the test insist on
    # the palette device).
    set(palette_rig_dir ${CMAKE_BINARY_DIR}/wine-rig-8bit)
    kivrano_wine_rig(wine_rig_8bit wine_8bit ${palette_rig_dir} 120 start 1024x768x8)
    kivrano_wine_program(win32.board_paint_test.palette_screen wine_8bit ${palette_rig_dir}
                         ${tests64}/board_paint_test.exe)
    set_property(TEST win32.board_paint_test.palette_screen APPEND PROPERTY
                 ENVIRONMENT KIVRANO_PALETTE_DEVICE=1)
endif()
