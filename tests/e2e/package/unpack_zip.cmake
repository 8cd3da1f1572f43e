# Unpacks ZIP into the folder INTO, emptied first, as a user unpacks a download.
#   cmake -DZIP=... -DINTO=... -P unpack_zip.cmake
file(REMOVE_RECURSE "${INTO}")
file(MAKE_DIRECTORY "${INTO}")
file(ARCHIVE_EXTRACT INPUT "${ZIP}" DESTINATION "${INTO}")
