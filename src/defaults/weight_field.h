// The weight rule shared by the save command and start-up: a weight is kept only when its
// numeric value, read as every field is read, is greater than 0.
#pragma once

#include <string>
#include <string_view>

// True when text reads as a number greater than 0. A number beyond the double range counts by
// its sign: "9E999" is positive, "-9E999" is not.
bool hasPositiveWeight(std::string_view utf8Text);

// The weight field the save command stores for Poids's text: the text blank-padded or cut to
// six characters when it holds a positive weight, else six blanks.
std::string weightField(std::string_view utf8Text);
