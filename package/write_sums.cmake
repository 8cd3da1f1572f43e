# Writes SUMS in the format `sha256sum --check` reads: "<sum>  <file name>" per package.
#   cmake -DSUMS=... -DZIP=... -DSETUP=... -DMSI=... -P write_sums.cmake
set(lines "")
foreach(package "${ZIP}" "${SETUP}" "${MSI}")
    file(SHA256 "${package}" sum)
    get_filename_component(name "${package}" NAME)
    string(APPEND lines "${sum}  ${name}\n")
endforeach()
file(WRITE "${SUMS}" "${lines}")
