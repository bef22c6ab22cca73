#pragma once
// The fill colours of the exports' sections (red + 256 × green + 65536 × blue), shared by
// every workbook the application writes so that they all look alike.

namespace SectionColours {
inline constexpr int kDeclaration = 14610923; // 235, 241, 222
inline constexpr int kLessee = 12379352;      // 216, 228, 188
inline constexpr int kAmendment = 15986394;   // 218, 238, 243
inline constexpr int kProperty = 14281213;    // 253, 233, 217
} // namespace SectionColours
