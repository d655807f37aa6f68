# Sets TRELLIS_VERSION ("MAJOR.MINOR.PATCH") from the public header include/trellis/Version.h,
# the version's one source, and checks that the header's version string agrees with its numbers.
file(READ ${CMAKE_CURRENT_LIST_DIR}/../include/trellis/Version.h trellis_version_header)
set(TRELLIS_VERSION "")
foreach(part MAJOR MINOR PATCH)
    if(NOT trellis_version_header MATCHES "#define TRELLIS_VERSION_${part} ([0-9]+)")
        message(FATAL_ERROR "include/trellis/Version.h defines no TRELLIS_VERSION_${part}")
    endif()
    string(APPEND TRELLIS_VERSION ".${CMAKE_MATCH_1}")
endforeach()
string(SUBSTRING ${TRELLIS_VERSION} 1 -1 TRELLIS_VERSION)
string(FIND "${trellis_version_header}" "#define TRELLIS_VERSION_STRING \"${TRELLIS_VERSION}\""
       trellis_version_string_at)
if(trellis_version_string_at EQUAL -1)
    message(FATAL_ERROR "include/trellis/Version.h: TRELLIS_VERSION_STRING is not "
                        "\"${TRELLIS_VERSION}\", the version its numbers give")
endif()
