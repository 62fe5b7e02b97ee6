# Run by CPack on the staged files before it packs them: the program moves
# from usr/bin to usr/games, where Debian keeps games.
set(staged ${CPACK_TEMPORARY_INSTALL_DIRECTORY})
if(EXISTS ${staged}/usr/bin/rx907)
  file(MAKE_DIRECTORY ${staged}/usr/games)
  file(RENAME ${staged}/usr/bin/rx907 ${staged}/usr/games/rx907)
  file(REMOVE_RECURSE ${staged}/usr/bin)
endif()
