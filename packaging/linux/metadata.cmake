# The texts of the menu entry, the administrator prompt and the software
# centre's listing: English from translations/metadata.json, each language
# of OVATA_LANGUAGES from translations/metadata_<code>.json. Each template
# line @OVATA_<KEY>@ becomes the English text followed by its translations,
# written into translated/ in the build at configure time. A
# missing, empty or multi-line text stops the configuration.
set(ovata_metadata_keys
    policy_description=description policy_message=message
    desktop_name=Name desktop_generic_name=GenericName desktop_comment=Comment
    desktop_keywords=Keywords
    appstream_name=name appstream_summary=summary appstream_p1=p appstream_p2=p)

foreach(language "" ${OVATA_LANGUAGES})
    set(file ${PROJECT_SOURCE_DIR}/translations/metadata.json)
    set(xml_lang "")
    set(desktop_lang "")
    if(language)
        set(file ${PROJECT_SOURCE_DIR}/translations/metadata_${language}.json)
        set(xml_lang " xml:lang=\"${language}\"")
        set(desktop_lang "[${language}]")
    endif()
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${file})
    file(READ ${file} json)
    foreach(pair IN LISTS ovata_metadata_keys)
        string(REGEX MATCH "^([a-z_0-9]+)=(.+)$" pair "${pair}")
        set(key ${CMAKE_MATCH_1})
        set(name ${CMAKE_MATCH_2})
        string(JSON text ERROR_VARIABLE error GET "${json}" ${key})
        if(error OR text STREQUAL "" OR text MATCHES "\n")
            message(FATAL_ERROR "${file}: ${key} is not a text of one line")
        endif()
        if(key MATCHES "^desktop_")
            set(line "${name}${desktop_lang}=${text}")
            set(indent "")
        else()
            string(REPLACE "&" "&amp;" text "${text}")
            string(REPLACE "<" "&lt;" text "${text}")
            string(REPLACE ">" "&gt;" text "${text}")
            set(line "<${name}${xml_lang}>${text}</${name}>")
            set(indent "    ")
            if(name MATCHES "^(name|summary)$")
                set(indent "  ")
            endif()
        endif()
        string(TOUPPER OVATA_${key} variable)
        if(language)
            set(${variable} "${${variable}}\n${indent}${line}")
        else()
            set(${variable} "${line}")
        endif()
    endforeach()
endforeach()

# What only the install knows stays for it to fill in.
set(OVATA_EXEC @OVATA_EXEC@)
set(OVATA_HELPER_PATH @OVATA_HELPER_PATH@)
foreach(template desktop.in policy.in metainfo.xml.in)
    string(REPLACE ".xml.in" ".xml" output ${template})
    configure_file(${CMAKE_CURRENT_SOURCE_DIR}/linux/${OVATA_APP_ID}.${template}
                   ${CMAKE_CURRENT_BINARY_DIR}/translated/${OVATA_APP_ID}.${output} @ONLY)
endforeach()
