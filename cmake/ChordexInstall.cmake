# Installed layout: the program in bin/, its read-only data in share/chordex/ (the program
# finds it relative to itself and seeds the user's data folder from it), and the desktop
# files from resources/desktop.
set(CHORDEX_DATA_DIR ${CMAKE_INSTALL_DATADIR}/chordex)

install(TARGETS chordex RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CHORDEX_PROGRAM_DIR}/def ${CHORDEX_PROGRAM_DIR}/tips.txt
        DESTINATION ${CHORDEX_DATA_DIR})
# The build folder's sample may hold a developer's edits; the installed one is made afresh.
install(FILES ${CHORDEX_PRISTINE_SAMPLE} DESTINATION ${CHORDEX_DATA_DIR}/db)

# Help files and start page pictures: whatever of them the build made in the program folder.
install(CODE "
  file(GLOB pieces LIST_DIRECTORIES false
       \"${CHORDEX_PROGRAM_DIR}/*.qch\" \"${CHORDEX_PROGRAM_DIR}/*.qhc\"
       \"${CHORDEX_PROGRAM_DIR}/*.jpg\" \"${CHORDEX_PROGRAM_DIR}/*.gif\")
  if(pieces)
    file(INSTALL \${pieces} DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CHORDEX_DATA_DIR}\")
  endif()
")
