#pragma once

#include "common/Rupiah.h"

#include <QString>

#include <cstdint>

namespace zw {

// Indonesian words for a whole number, in lower case: "dua belas", "seribu satu", "satu juta".
// A negative number starts with "minus". Every value of the type has its words.
QString numberInWords(std::int64_t number);

// Indonesian words for an amount: the rupiah, then the sen when they are not
// zero ("seribu rupiah lima puluh sen"). An amount below one rupiah is read in sen alone ("lima
// puluh sen"), zero is "nol rupiah", and a negative amount starts with "minus".
QString amountInWords(Rupiah amount);

} // namespace zw
