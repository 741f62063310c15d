# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the Debian changelog of a native package from CHANGELOG.md:
#   cmake -DSOURCE=CHANGELOG.md -DOUTPUT=changelog -DPACKAGE=ryvanta
#         -DMAINTAINER="Name <mail>" -P DebianChangelog.cmake
# Each "## VERSION (YYYY-MM-DD)" heading opens an entry; its "- " items
# become the entry's "*" items, their continuation lines kept as written.

set(weekdays Sun Mon Tue Wed Thu Fri Sat)
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)

# RFC 2822 date of a day at midnight UTC; the weekday by Sakamoto's rule.
function(rfc2822_date year month day variable)
  set(offsets 0 3 2 5 0 3 5 1 4 6 2 4)
  math(EXPR index "${month} - 1")
  list(GET offsets ${index} offset)
  set(y ${year})
  if(month LESS 3)
    math(EXPR y "${y} - 1")
  endif()
  math(EXPR weekday "(${y} + ${y} / 4 - ${y} / 100 + ${y} / 400 + ${offset} + ${day}) % 7")
  list(GET weekdays ${weekday} weekdayName)
  list(GET months ${index} monthName)
  if(day LESS 10)
    set(day "0${day}")
  endif()
  set(${variable} "${weekdayName}, ${day} ${monthName} ${year} 00:00:00 +0000" PARENT_SCOPE)
endfunction()

file(STRINGS "${SOURCE}" lines)
set(text "")
set(open "")
foreach(line IN LISTS lines)
  if(line MATCHES "^## ([0-9][^ ]*) \\(([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])\\)$")
    if(open)
      string(APPEND text "\n${open}\n\n")
    endif()
    math(EXPR month "${CMAKE_MATCH_3}")
    math(EXPR day "${CMAKE_MATCH_4}")
    rfc2822_date(${CMAKE_MATCH_2} ${month} ${day} stamp)
    string(APPEND text "${PACKAGE} (${CMAKE_MATCH_1}) unstable; urgency=medium\n\n")
    set(open " -- ${MAINTAINER}  ${stamp}")
  elseif(open AND line MATCHES "^- (.*)$")
    string(APPEND text "  * ${CMAKE_MATCH_1}\n")
  elseif(open AND line MATCHES "^  +(.*)$")
    string(APPEND text "    ${CMAKE_MATCH_1}\n")
  endif()
endforeach()
if(NOT open)
  message(FATAL_ERROR "${SOURCE} holds no release heading")
endif()
string(APPEND text "\n${open}\n")
file(WRITE "${OUTPUT}" "${text}")
