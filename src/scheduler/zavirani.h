#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/okna_procesu.h"

// Modes of TestOkna.
namespace test_okna {
inline constexpr std::int32_t Viditelne = 1;
inline constexpr std::int32_t Hlavni = 2;
inline constexpr std::int32_t Vyskakovaci = 3;
}  // namespace test_okna

// The waits after the five passes, in milliseconds.
using ProdlevyZavirani = std::array<std::uint32_t, 5>;
inline constexpr ProdlevyZavirani ProdlevyProgramu{3000, 10000, 9000, 3000, 5000};

void ZavriProgramy(const ProdlevyZavirani& prodlevy = ProdlevyProgramu);

std::int16_t TestOkna(HandleOkna okno, std::int32_t rezim);
std::string TridaOkna(HandleOkna okno);

int ZavriVyskakovaci(HandleOkna okno, std::intptr_t navic);
int ZavriHlavni(HandleOkna okno, std::intptr_t navic);
int UkonciRelaci(HandleOkna okno, std::intptr_t navic);
int UkonciProces(HandleOkna okno, std::intptr_t navic);
