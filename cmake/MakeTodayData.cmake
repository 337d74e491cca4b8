# SPDX-License-Identifier: MIT
# Turns data/today.csv and data/sources.csv into constant tables compiled into the core, so that
# the programs read no file at run time. Run at build time as a script, which needs nothing but
# CMake on the build machine, whatever the target:
#
#   cmake -DTODAY=data/today.csv -DSOURCES=data/sources.csv -DCOLUMNS=core/columns.h
#         -DOUTPUT=today_data.cpp -P cmake/MakeTodayData.cmake
#
# It refuses data it cannot vouch for, naming the file and line: an unknown column or kind, a
# figure that is not a plain positive decimal, a source id that sources.csv does not define, a
# range without a source, a model listed twice in one column.
#
# Given a CSV file instead, it makes a table of that file's rows as texts, one member per column
# in the header's order and then the line, and checks nothing but the header and the field count:
# the program's tests check the rows.
#
#   cmake -DCSV=data/coils.csv "-DHEADER=range,frames,code,kind,volts,hz,source" -DTYPE=CoilRow
#         -DNAME=coilRows -DINCLUDE=core/order_data.h -DOUTPUT=coils.cpp -P cmake/MakeTodayData.cmake
cmake_minimum_required(VERSION 3.25)

if(DEFINED CSV)
    set(inputs CSV HEADER TYPE NAME INCLUDE OUTPUT)
else()
    set(inputs TODAY SOURCES COLUMNS OUTPUT)
endif()
foreach(input IN LISTS inputs)
    if(NOT DEFINED ${input})
        message(FATAL_ERROR "MakeTodayData.cmake: -D${input}=... is missing")
    endif()
endforeach()

function(fail file line text)
    message(FATAL_ERROR "${file}:${line}: ${text}")
endfunction()

# Reads a CSV file as RFC 4180 writes it, one record a line (a quoted field may not hold a line
# break), skipping blank lines and lines that start with '#'. Sets <prefix>_count, and for each
# record n: <prefix>_<n>_line (its line number) and <prefix>_<n>_<f> (field f, from 0).
function(read_csv file header prefix)
    file(READ "${file}" content)
    string(REPLACE "\r" "" content "${content}")
    string(SUBSTRING "${content}" 0 3 start)
    string(HEX "${start}" start)
    if(start STREQUAL "efbbbf") # a byte-order mark
        string(SUBSTRING "${content}" 3 -1 content)
    endif()
    set(lineno 0)
    set(count 0)
    set(seen_header FALSE)
    while(NOT content STREQUAL "")
        string(FIND "${content}" "\n" newline)
        if(newline EQUAL -1)
            set(line "${content}")
            set(content "")
        else()
            string(SUBSTRING "${content}" 0 ${newline} line)
            math(EXPR next "${newline} + 1")
            string(SUBSTRING "${content}" ${next} -1 content)
        endif()
        math(EXPR lineno "${lineno} + 1")
        if(line STREQUAL "" OR line MATCHES "^#")
            continue()
        endif()
        if(NOT seen_header)
            if(NOT line STREQUAL header)
                fail("${file}" ${lineno} "the header must be '${header}'")
            endif()
            set(seen_header TRUE)
            continue()
        endif()
        set(field 0)
        set(rest "${line}")
        while(TRUE)
            if(rest MATCHES "^\"")
                string(REGEX MATCH "^\"([^\"]|\"\")*\"" quoted "${rest}")
                if(quoted STREQUAL "")
                    fail("${file}" ${lineno} "a quoted field is not closed on its line")
                endif()
                string(LENGTH "${quoted}" length)
                string(SUBSTRING "${rest}" ${length} -1 rest)
                math(EXPR inner "${length} - 2")
                string(SUBSTRING "${quoted}" 1 ${inner} value)
                string(REPLACE "\"\"" "\"" value "${value}")
            elseif(rest MATCHES "^,")
                # An empty field; REGEX MATCH refuses a match of nothing.
                set(value "")
            else()
                string(REGEX MATCH "^[^,]*" value "${rest}")
                if(value MATCHES "\"")
                    fail("${file}" ${lineno} "a quote inside an unquoted field: quote the field")
                endif()
                string(LENGTH "${value}" length)
                string(SUBSTRING "${rest}" ${length} -1 rest)
            endif()
            set(${prefix}_${count}_${field} "${value}" PARENT_SCOPE)
            math(EXPR field "${field} + 1")
            if(rest STREQUAL "")
                break()
            endif()
            if(NOT rest MATCHES "^,")
                fail("${file}" ${lineno} "text after a quoted field: a comma must follow it")
            endif()
            string(SUBSTRING "${rest}" 1 -1 rest)
        endwhile()
        string(REPLACE "," ";" names "${header}")
        list(LENGTH names wanted)
        if(NOT field EQUAL wanted)
            fail("${file}" ${lineno} "${field} fields where the header has ${wanted}")
        endif()
        set(${prefix}_${count}_line ${lineno} PARENT_SCOPE)
        math(EXPR count "${count} + 1")
    endwhile()
    if(NOT seen_header)
        fail("${file}" 1 "no header: '${header}' must head the file")
    endif()
    set(${prefix}_count ${count} PARENT_SCOPE)
endfunction()

# A C++ string literal of a text.
function(literal text out)
    string(REPLACE "\\" "\\\\" text "${text}")
    string(REPLACE "\"" "\\\"" text "${text}")
    set(${out} "\"${text}\"" PARENT_SCOPE)
endfunction()

# Writes the output through a temporary file, so that only a changed table is rebuilt.
function(write_output content)
    file(CONFIGURE OUTPUT "${OUTPUT}.new" @ONLY CONTENT "${content}")
    execute_process(COMMAND ${CMAKE_COMMAND} -E copy_if_different "${OUTPUT}.new" "${OUTPUT}")
    file(REMOVE "${OUTPUT}.new")
endfunction()

if(DEFINED CSV)
    read_csv("${CSV}" "${HEADER}" row)
    string(REPLACE "," ";" names "${HEADER}")
    list(LENGTH names fields)
    math(EXPR last_field "${fields} - 1")
    set(rows_cpp "")
    math(EXPR last_row "${row_count} - 1")
    foreach(n RANGE 0 ${last_row})
        if(row_count EQUAL 0)
            break()
        endif()
        string(APPEND rows_cpp "    {")
        foreach(field RANGE 0 ${last_field})
            literal("${row_${n}_${field}}" text)
            string(APPEND rows_cpp " ${text},")
        endforeach()
        string(APPEND rows_cpp " ${row_${n}_line} },\n")
    endforeach()
    if(row_count EQUAL 0)
        set(rows_init "{}")
    else()
        set(rows_init "{ {\n${rows_cpp}} }")
    endif()
    get_filename_component(csv_name "${CSV}" NAME)
    write_output([[
// SPDX-License-Identifier: MIT
// Made by cmake/MakeTodayData.cmake from @csv_name@: edit that.
#include "@INCLUDE@"

#include <array>

namespace selmak {
namespace {

constexpr std::array<@TYPE@, @row_count@> kRows @rows_init@;

} // namespace

std::span<const @TYPE@> @NAME@() noexcept
{
    return kRows;
}

} // namespace selmak
]])
    return()
endif()

# The columns as the window captions them, read from the one place that names them.
file(STRINGS "${COLUMNS}" column_lines ENCODING UTF-8 REGEX "{ Column::[A-Za-z]+, \"lbl")
foreach(column_line IN LISTS column_lines)
    if(column_line MATCHES "Column::([A-Za-z]+), \"[^\"]*\", \"([^\"]*)\"")
        set(column_${CMAKE_MATCH_2} ${CMAKE_MATCH_1})
    endif()
endforeach()
if(NOT DEFINED column_Siemens)
    message(FATAL_ERROR "${COLUMNS}: no column captions found")
endif()

read_csv("${SOURCES}" "id,maker,title,edition,address" source)
set(sources_cpp "")
math(EXPR last_source "${source_count} - 1")
foreach(n RANGE 0 ${last_source})
    if(source_count EQUAL 0)
        break()
    endif()
    set(line ${source_${n}_line})
    set(id "${source_${n}_0}")
    if(NOT id MATCHES "^[A-Za-z0-9._-]+$")
        fail("${SOURCES}" ${line} "the id '${id}' must be letters, digits, '.', '_' or '-'")
    endif()
    if(DEFINED source_index_${id})
        fail("${SOURCES}" ${line} "the id '${id}' is defined twice")
    endif()
    foreach(field 1 2 3)
        if(source_${n}_${field} STREQUAL "")
            fail("${SOURCES}" ${line} "maker, title and edition (a number or year) are needed")
        endif()
    endforeach()
    if(NOT source_${n}_4 MATCHES "^https?://[^ ]+$")
        fail("${SOURCES}" ${line} "the address must be a public http or https address")
    endif()
    set(source_index_${id} ${n})
    string(APPEND sources_cpp "    {")
    foreach(field 0 1 2 3 4)
        literal("${source_${n}_${field}}" text)
        string(APPEND sources_cpp " ${text},")
    endforeach()
    string(APPEND sources_cpp " },\n")
endforeach()

read_csv("${TODAY}" "column,brand,range,kind,model,kw,a,source" frame)
set(frames_cpp "")
math(EXPR last_frame "${frame_count} - 1")
foreach(n RANGE 0 ${last_frame})
    if(frame_count EQUAL 0)
        break()
    endif()
    set(line ${frame_${n}_line})
    set(column "${frame_${n}_0}")
    set(kind "${frame_${n}_3}")
    set(model "${frame_${n}_4}")
    set(kw "${frame_${n}_5}")
    set(a "${frame_${n}_6}")
    set(source "${frame_${n}_7}")
    if(NOT DEFINED column_${column} OR column_${column} STREQUAL "Power"
       OR column_${column} STREQUAL "Current")
        fail("${TODAY}" ${line} "unknown column '${column}': name a maker as the window captions it")
    endif()
    if(frame_${n}_1 STREQUAL "" OR frame_${n}_2 STREQUAL "" OR model STREQUAL "")
        fail("${TODAY}" ${line} "brand, range and model are needed")
    endif()
    if(model STREQUAL "---")
        fail("${TODAY}" ${line} "a column without a range today has no line, not a '---'")
    endif()
    if(kind STREQUAL "today")
        set(kind_cpp FrameKind::Today)
    elseif(kind STREQUAL "series")
        set(kind_cpp FrameKind::Series)
    elseif(kind STREQUAL "discontinued")
        set(kind_cpp FrameKind::Discontinued)
    else()
        fail("${TODAY}" ${line} "unknown kind '${kind}' (today, discontinued or series)")
    endif()
    set(kw_name "the power (kw)")
    set(a_name "the current (a)")
    # A maker may publish a frame's current without a motor power (IEK's КМИ): the power is then
    # left empty, and the frame is found by its code but stands at no step.
    # A frame of a range whose rating no source gives yet has neither: it is listed so that its
    # codes are found, and it stands at no step.
    set(power "${kw}")
    set(current "${a}")
    if(kw STREQUAL "" AND a STREQUAL "")
        set(power 0)
        set(current 0)
        set(figures "")
    elseif(kw STREQUAL "")
        set(power 0)
        set(figures a)
    else()
        set(figures kw a)
    endif()
    foreach(figure IN LISTS figures)
        if(NOT ${figure} MATCHES "^[0-9]+(\\.[0-9]+)?$" OR ${figure} MATCHES "^0+(\\.0+)?$")
            fail("${TODAY}" ${line}
                 "${${figure}_name} '${${figure}}' must be a positive decimal such as 7.5")
        endif()
    endforeach()
    if(source STREQUAL "")
        fail("${TODAY}" ${line} "no source: every range needs one, from sources.csv")
    endif()
    if(NOT DEFINED source_index_${source})
        fail("${TODAY}" ${line} "the source '${source}' is not defined in ${SOURCES}")
    endif()
    string(MD5 twice_key "${column}|${model}")
    if(DEFINED frame_seen_${twice_key})
        fail("${TODAY}" ${line} "${model} is listed twice in ${column}, first on line ${frame_seen_${twice_key}}")
    endif()
    set(frame_seen_${twice_key} ${line})
    literal("${frame_${n}_1}" brand)
    literal("${frame_${n}_2}" range)
    literal("${model}" model_cpp)
    string(APPEND frames_cpp "    { Column::${column_${column}}, ${brand}, ${range}, ${kind_cpp}, "
           "${model_cpp}, \"${kw}\", ${power}, \"${a}\", ${current}, &kSources[${source_index_${source}}], "
           "${line} },\n")
endforeach()

if(source_count EQUAL 0)
    set(sources_init "{}")
else()
    set(sources_init "{ {\n${sources_cpp}} }")
endif()
if(frame_count EQUAL 0)
    set(frames_init "{}")
else()
    set(frames_init "{ {\n${frames_cpp}} }")
endif()

write_output([[
// SPDX-License-Identifier: MIT
// Made by cmake/MakeTodayData.cmake from data/today.csv and data/sources.csv: edit those.
#include "core/today_data.h"

#include <array>

namespace selmak {
namespace {

constexpr std::array<Source, @source_count@> kSources @sources_init@;

constexpr std::array<TodayFrame, @frame_count@> kFrames @frames_init@;

} // namespace

std::span<const Source> sources() noexcept
{
    return kSources;
}

std::span<const TodayFrame> todayFrames() noexcept
{
    return kFrames;
}

} // namespace selmak
]])
