# Writes OUTPUT: the definition TEMPLATE with the bytes of the packed skin
# SKIN in place of @ACS_STORED_SKIN_DATA@, as lines of 64 hexadecimal digits.
file(READ "${SKIN}" hex HEX)
string(REPEAT "[0-9a-f]" 64 line_of_digits)
string(REGEX REPLACE "(${line_of_digits})" "\\1\n          " lines "${hex}")
file(READ "${TEMPLATE}" text)
string(REPLACE "@ACS_STORED_SKIN_DATA@" "${lines}" text "${text}")
file(WRITE "${OUTPUT}" "${text}")
