# The game's version and the files it reads beside its exe, each written
# once: the version in project(), the file names here. C and C++ code and
# the resource script read them from the generated product.h; the scripts
# read product.sh in the build folder.
set(KIVRANO_BOARD_IMAGE_FILE board.img)
set(KIVRANO_BLACK_IMAGE_FILE black.img)
set(KIVRANO_WHITE_IMAGE_FILE white.img)
set(KIVRANO_STONE_SOUND_FILE putstone.wav)
set(KIVRANO_CLEAR_SOUND_FILE clear.wav)
set(KIVRANO_FINISH_SOUND_FILE finish.wav)
# The players' readme, shipped beside the exe: Help > Contents opens it.
set(KIVRANO_PLAYERS_README_FILE readme.txt)
set(KIVRANO_ASSET_FILES ${KIVRANO_BOARD_IMAGE_FILE} ${KIVRANO_BLACK_IMAGE_FILE} ${KIVRANO_WHITE_IMAGE_FILE}
    ${KIVRANO_STONE_SOUND_FILE} ${KIVRANO_CLEAR_SOUND_FILE} ${KIVRANO_FINISH_SOUND_FILE})
list(JOIN KIVRANO_ASSET_FILES " " KIVRANO_ASSET_FILE_LIST)

configure_file(${CMAKE_CURRENT_LIST_DIR}/product.h.in ${PROJECT_BINARY_DIR}/generated/product.h @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/product.sh.in ${PROJECT_BINARY_DIR}/product.sh @ONLY)
include_directories(${PROJECT_BINARY_DIR}/generated)
