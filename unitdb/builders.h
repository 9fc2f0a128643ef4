// The unit-table builders, exported by name from the libraries unittab0 ...
// unittab9 (C linkage). Each fills one record from its literal table.
#pragma once
#include "unitdb/udb.h"

extern "C" {
// unittab0
void sunpou(udb* table);
// unittab1
void menseki(udb* table);
// unittab2
void taiseki(udb* table);
// unittab3
void situryou(udb* table);
// unittab4
void tikara(udb* table);
void aturyoku(udb* table);
void sigoto(udb* table);
void sigotoritu(udb* table);
void ondo(udb* table);
void neturyou(udb* table);
void hinetu(udb* table);
void netudendouritu(udb* table);
// unittab5
void jikan(udb* table);
void sokudo(udb* table);
void kasokudo(udb* table);
void heimenkaku(udb* table);
void rittaikaku(udb* table);
void kakusokudo(udb* table);
void kakukasokudo(udb* table);
// unittab6
void denryuu(udb* table);
void denatu(udb* table);
void denryoku(udb* table);
void denryokuryou(udb* table);
void denkiteikou(udb* table);
void denkiryou(udb* table);
void denkai(udb* table);
void indakutansu(udb* table);
void energy(udb* table);
void seidenyouryou(udb* table);
void hisoudenryoku(udb* table);
void hisoudenryokuryou(udb* table);
void hiteikou(udb* table);
void mukoudenryoku(udb* table);
void mukoudenryokuryou(udb* table);
void kondakutansu(udb* table);
void kijiryoku(udb* table);
void jisoku(udb* table);
void jisokumitudo(udb* table);
void jiba(udb* table);
void koudo(udb* table);
void kido(udb* table);
void kousoku(udb* table);
void syoudo(udb* table);
void housyanou(udb* table);
void kyuusyuusenryou(udb* table);
void syousyasenryou(udb* table);
void syousyasenryouritu(udb* table);
void senryoutouryou(udb* table);
void sigotoryou(udb* table);
// unittab7
void dejitarusunpou(udb* table);
void jyouhouryou(udb* table);
void datatensousokudo(udb* table);
// unittab9
void ryuuryou(udb* table);
void situryouryuuryou(udb* table);
void syouhisuiryou(udb* table);
void syuuhasuu(udb* table);
void hasuu(udb* table);
void mitudo(udb* table);
void menmitudo(udb* table);
void nendo(udb* table);
void dounendo(udb* table);
void bussituryou(udb* table);
void gunji(udb* table);
void insatu(udb* table);
void kami(udb* table);
void ine(udb* table);
void dosuu(udb* table);
void wariai(udb* table);
void housoubako(udb* table);
// unittab8, bound by nothing: void tuka(udb* table);
}
