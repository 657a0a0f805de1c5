# Builds a translation in which every text lupdate finds starts with "‹",
# so that a test can tell a text that went through tr() from one that did not.
# cmake -DLUPDATE=… -DLRELEASE=… -DSOURCE=… -DFOLDERS=… -DOUTPUT=…/pseudo.qm -P PseudoTranslation.cmake
get_filename_component(work "${OUTPUT}" DIRECTORY)
set(ts "${work}/pseudo.ts")
string(REPLACE "," ";" folders "${FOLDERS}")
# Gathered anew each time: lupdate would carry a renamed class's texts over under its old name.
file(REMOVE "${ts}")
execute_process(COMMAND "${LUPDATE}" -silent -no-obsolete -locations none ${folders} -ts "${ts}"
                WORKING_DIRECTORY "${SOURCE}" COMMAND_ERROR_IS_FATAL ANY)
file(READ "${ts}" text)
string(REGEX REPLACE "<source>([^<]*)</source>([ \n]*)<translation type=\"unfinished\"></translation>"
       "<source>\\1</source>\\2<translation>‹\\1</translation>" text "${text}")
file(WRITE "${ts}" "${text}")
execute_process(COMMAND "${LRELEASE}" -silent "${ts}" -qm "${OUTPUT}" COMMAND_ERROR_IS_FATAL ANY)
