# debian/changelog is the one record of releases: the package build takes its
# version and date from it, and so do the program's version, the manual page's
# date and the AppStream <releases>.
#
# tav20_read_releases() sets, from the newest entry, TAV20_VERSION and
# TAV20_RELEASE_DATE (YYYY-MM-DD), and TAV20_APPSTREAM_RELEASES: one <release>
# element per entry, newest first, its notes as a list.

function(tav20_xml_escape variable text)
    string(REPLACE "&" "&amp;" text "${text}")
    string(REPLACE "<" "&lt;" text "${text}")
    string(REPLACE ">" "&gt;" text "${text}")
    set(${variable} "${text}" PARENT_SCOPE)
endfunction()

# "Sun, 06 Dec 2026 12:00:00 +0100" gives 2026-12-06: the day as the entry's author wrote it.
function(tav20_iso_date variable rfc2822)
    if(NOT rfc2822 MATCHES "^[A-Z][a-z][a-z], ([0-9]?[0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
        message(FATAL_ERROR "changelog: '${rfc2822}' is no date as 'date -R' writes it")
    endif()
    set(day ${CMAKE_MATCH_1})
    set(year ${CMAKE_MATCH_3})
    set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    list(FIND months ${CMAKE_MATCH_2} month)
    if(month EQUAL -1)
        message(FATAL_ERROR "changelog: no month '${CMAKE_MATCH_2}' in '${rfc2822}'")
    endif()
    # 101..112 and 100 + day keep the leading zero that the format asks for.
    math(EXPR month "101 + ${month}")
    math(EXPR day "100 + ${day}")
    string(SUBSTRING ${month} 1 2 month)
    string(SUBSTRING ${day} 1 2 day)
    set(${variable} ${year}-${month}-${day} PARENT_SCOPE)
endfunction()

function(tav20_read_releases)
    cmake_path(SET changelog NORMALIZE ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/../debian/changelog)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog})
    file(STRINGS ${changelog} lines)

    set(releases "")
    set(version "")
    foreach(line IN LISTS lines)
        if(line MATCHES "^tav20 \\(([^)]+)\\) ")
            set(version ${CMAKE_MATCH_1})
            set(items "")
            set(note "")
        elseif(line MATCHES "^  \\* (.+)$")
            if(NOT note STREQUAL "")
                string(APPEND items "          <li>${note}</li>\n")
            endif()
            tav20_xml_escape(note "${CMAKE_MATCH_1}")
        elseif(line MATCHES "^    +(.+)$")
            tav20_xml_escape(more "${CMAKE_MATCH_1}")
            string(APPEND note " ${more}")
        elseif(line MATCHES "^ -- .+>  (.+)$")
            if(version STREQUAL "" OR note STREQUAL "")
                message(FATAL_ERROR "changelog: an entry without version or notes ends in '${line}'")
            endif()
            string(APPEND items "          <li>${note}</li>\n")
            tav20_iso_date(date "${CMAKE_MATCH_1}")
            if(NOT DEFINED latest_version)
                set(latest_version ${version})
                set(latest_date ${date})
            endif()
            string(APPEND releases
                "    <release version=\"${version}\" date=\"${date}\">\n"
                "      <description>\n"
                "        <ul>\n"
                "${items}"
                "        </ul>\n"
                "      </description>\n"
                "    </release>\n")
            set(version "")
        endif()
    endforeach()
    if(NOT DEFINED latest_version)
        message(FATAL_ERROR "changelog: ${changelog} holds no complete entry")
    endif()

    set(TAV20_VERSION ${latest_version} PARENT_SCOPE)
    set(TAV20_RELEASE_DATE ${latest_date} PARENT_SCOPE)
    set(TAV20_APPSTREAM_RELEASES "${releases}" PARENT_SCOPE)
endfunction()
