# Installs what the build lays out beside the program (SOMNAR_DATA_SOURCE) into share/somnar:
# every folder (Books, Texts, help pages) and every file that is not a program (City.csv), so
# that data added beside the program joins the install without editing this file.
execute_process(COMMAND find "${SOMNAR_DATA_SOURCE}" -mindepth 1 -maxdepth 1 ! -name ".*"
                        ( -type d -o -type f ! -perm /111 )
                OUTPUT_VARIABLE entries OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
string(REPLACE "\n" ";" entries "${entries}")
list(SORT entries)
file(INSTALL ${entries} DESTINATION "${CMAKE_INSTALL_PREFIX}/share/somnar"
     FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
     DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
