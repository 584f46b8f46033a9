#pragma once

namespace winding {

// A value to four significant digits, as the single of that decimal, so that
// its text reads back to it; beyond the single range the greatest single.
float fourDigits(double value);

}  // namespace winding
