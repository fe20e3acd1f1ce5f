# Runs the workshop data generator on sample files, as a release and as a
# development build, and checks what it refuses and what it writes.
#   cmake -DSOURCE_DIR=<repository> -DWORK_DIR=<scratch folder> -P WorkshopValuesTest.cmake
cmake_minimum_required(VERSION 3.25)

set(generator ${SOURCE_DIR}/cmake/WorkshopValues.cmake)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
set(failures)

set(complete [=[
business_name = Werkstatt "Quarzlinde" Inh. A\B
owner_name = Anna Beispiel
street = Lindenstraße 1
postal_code_and_town = 12345 Musterstadt
country = Deutschland
responsible_name = Anna Beispiel
email = kontakt@example.de
telephone = +49 30 1234567 ; Zentrale
site_base_address = https://www.example.de
]=])

# name, release, ini text (or the repository's file), expected exit (0 or 1),
# a pattern the output or header must hold, and one it must not.
function(check name release ini expected_result must must_not)
    if(ini STREQUAL "repository")
        set(file ${SOURCE_DIR}/workshop.ini)
    else()
        set(file ${WORK_DIR}/${name}.ini)
        file(WRITE ${file} "${ini}")
    endif()
    set(header ${WORK_DIR}/${name}.h)
    execute_process(COMMAND ${CMAKE_COMMAND} -DINI=${file} -DHEADER=${header} -DRELEASE=${release} -P ${generator}
        RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    string(REGEX REPLACE "[ \n]+" " " output "${output}")
    if(EXISTS ${header})
        file(READ ${header} written)
        string(APPEND output " ${written}")
    endif()
    set(problem "")
    if(expected_result EQUAL 0 AND NOT result EQUAL 0)
        set(problem "refused")
    elseif(NOT expected_result EQUAL 0 AND result EQUAL 0)
        set(problem "accepted")
    elseif(NOT output MATCHES "${must}")
        set(problem "lacks '${must}'")
    elseif(NOT must_not STREQUAL "" AND output MATCHES "${must_not}")
        set(problem "holds '${must_not}'")
    endif()
    if(problem)
        set(failures "${failures}\n${name}: ${problem}: ${output}" PARENT_SCOPE)
    endif()
endfunction()

check(release_refuses_placeholders ON repository 1
    "business_name, owner_name, street, postal_code_and_town, responsible_name, email, telephone, site_base_address"
    "country")
check(development_shows_placeholders OFF repository 0
    "BUSINESS_NAME \"Quarzlinde \\[Platzhalter: Firmenname\\]\".*TELEPHONE \"\\+49 000 00000000\"" "")
check(release_takes_real_data ON "${complete}" 0
    "BUSINESS_NAME \"Werkstatt \\\\\"Quarzlinde\\\\\" Inh\\. A\\\\\\\\B\".*TELEPHONE \"\\+49 30 1234567\"" "Zentrale")
string(REPLACE "email = kontakt@example.de\n" "" missing "${complete}")
check(missing_key OFF "${missing}" 1 "email is missing" "")
string(REPLACE "street =" "streat =" misspelt "${complete}")
check(misspelt_key OFF "${misspelt}" 1 "unknown key streat" "")
string(REPLACE "www.example.de" "www.example.de/" slash "${complete}")
check(site_with_path OFF "${slash}" 1 "site_base_address must be scheme and host only" "")
string(REPLACE "Anna Beispiel\nstreet" "Anna Beispiel ; Platzhalter\nstreet" noted "${complete}")
check(placeholder_in_a_note ON "${noted}" 1 "real values for owner_name" "responsible_name")

if(failures)
    message(FATAL_ERROR "${failures}")
endif()
