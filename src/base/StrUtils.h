#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// ASCII upper case: skin entry and file names are compared this way.
std::string UpperCase(std::string_view s);
bool SameText(std::string_view a, std::string_view b);
bool StartsText(std::string_view prefix, std::string_view s);
bool EndsText(std::string_view suffix, std::string_view s);

// Trimming removes blanks and control characters (everything up to ' ').
std::string_view Trim(std::string_view s);
std::string_view TrimLeft(std::string_view s);
std::string_view TrimRight(std::string_view s);

// Optional sign, then decimal digits, or hexadecimal after "$" or "0x"/"0X".
// Decimal values must fit in 32 bits; hexadecimal ones may use all 32 bits
// ("$FFFFFFFF" is -1), as colour values in skins do.
bool TryStrToInt(std::string_view s, int32_t& value);
// The same forms in 64 bits; hexadecimal values may use all 64 ("$FFFFFFFFFFFFFFFF" is -1).
bool TryStrToInt64(std::string_view s, int64_t& value);
int32_t StrToIntDef(std::string_view s, int32_t def);

// A decimal number with "." as separator, whatever the user's locale.
bool TryStrToFloat(std::string_view s, double& value);

// Bytes of a text file as UTF-8: UTF-16 after a byte-order mark (little- or
// big-endian) is converted, a UTF-8 byte-order mark dropped, anything else
// passed as it is. Unpaired surrogates become U+FFFD.
std::string TextOfBytes(std::string_view bytes);

// a * b / c rounded half away from zero, -1 when c is 0 or the result overflows.
int32_t MulDivRounded(int32_t a, int32_t b, int32_t c);

#ifdef _WIN32
std::wstring Utf8ToWide(std::string_view s);
std::string WideToUtf8(std::wstring_view s);
#endif
