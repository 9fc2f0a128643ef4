#include "unitdb/registry.h"

#include <cstdlib>
#include <utility>

#include "platform/cp932.h"
#include "unitdb/builders.h"

namespace varuno {
namespace {

struct KindEntry {
    const char* name;  // UTF-8
    void (*builder)(udb*);
    int icon;
};

// Kind index order; the index is what favourites and search results store.
constexpr KindEntry kKinds[kind_total] = {
    {"寸法", sunpou, 600},                      // 0
    {"面積", menseki, 601},                     // 1
    {"体積", taiseki, 602},                     // 2
    {"質量", situryou, 193},                    // 3
    {"力", tikara, 208},                        // 4
    {"圧力", aturyoku, 184},                    // 5
    {"仕事", sigoto, 205},                      // 6
    {"仕事率", sigotoritu, 206},                // 7
    {"温度", ondo, 207},                        // 8
    {"熱量", neturyou, 182},                    // 9
    {"比熱", hinetu, 182},                      // 10
    {"熱伝導率", netudendouritu, 182},          // 11
    {"時間", jikan, 209},                       // 12
    {"速度", sokudo, 210},                      // 13
    {"加速度", kasokudo, 211},                  // 14
    {"平面角", heimenkaku, 212},                // 15
    {"立体角", rittaikaku, 213},                // 16
    {"角速度", kakusokudo, 214},                // 17
    {"角加速度", kakukasokudo, 215},            // 18
    {"電流", denryuu, 175},                     // 19
    {"電圧", denatu, 175},                      // 20
    {"電力", denryoku, 175},                    // 21
    {"電力量", denryokuryou, 175},              // 22
    {"電気抵抗", denkiteikou, 175},             // 23
    {"電気量", denkiryou, 175},                 // 24
    {"電界", denkai, 175},                      // 25
    {"インダクタンス", indakutansu, 175},       // 26
    {"エネルギー", energy, 175},                // 27
    {"静電容量", seidenyouryou, 175},           // 28
    {"皮相電力", hisoudenryoku, 175},           // 29
    {"皮相電力量", hisoudenryokuryou, 175},     // 30
    {"比抵抗", hiteikou, 175},                  // 31
    {"無効電力", mukoudenryoku, 175},           // 32
    {"無効電力量", mukoudenryokuryou, 175},     // 33
    {"コンダクタンス", kondakutansu, 175},      // 34
    {"起磁力", kijiryoku, 178},                 // 35
    {"磁束", jisoku, 178},                      // 36
    {"磁束密度", jisokumitudo, 178},            // 37
    {"磁場", jiba, 178},                        // 38
    {"光度", koudo, 180},                       // 39
    {"輝度", kido, 180},                        // 40
    {"光束", kousoku, 180},                     // 41
    {"照度", syoudo, 180},                      // 42
    {"放射能", housyanou, 177},                 // 43
    {"吸収線量", kyuusyuusenryou, 177},         // 44
    {"照射線量", syousyasenryou, 177},          // 45
    {"照射線量率", syousyasenryouritu, 177},    // 46
    {"線量当量", senryoutouryou, 177},          // 47
    {"仕事量", sigotoryou, 177},                // 48
    {"デジタル寸法", dejitarusunpou, 187},      // 49
    {"情報量", jyouhouryou, 194},               // 50
    {"データ転送速度", datatensousokudo, 186},  // 51
    {"流量", ryuuryou, 196},                    // 52
    {"質量流量", situryouryuuryou, 196},        // 53
    {"消費水量", syouhisuiryou, 196},           // 54
    {"周波数", syuuhasuu, 197},                 // 55
    {"波数", hasuu, 199},                       // 56
    {"密度", mitudo, 181},                      // 57
    {"綿密度", menmitudo, 181},                 // 58
    {"粘度", nendo, 217},                       // 59
    {"動粘度", dounendo, 198},                  // 60
    {"物質量（個数）", bussituryou, 185},       // 61
    {"軍事", gunji, 190},                       // 62
    {"印刷", insatu, 201},                      // 63
    {"呼称[紙]", kami, 179},                    // 64
    {"呼称[稲]", ine, 202},                     // 65
    {"度数", dosuu, 188},                       // 66
    {"割合", wariai, 174},                      // 67
    {"包装箱", housoubako, 203},                // 68
    {"通貨", nullptr, 204},                     // 69
};

std::array<std::string, kind_total> cp932_names() {
    std::array<std::string, kind_total> names;
    for (int k = 0; k < kind_total; ++k) names[k] = cp932::from_utf8(kKinds[k].name);
    return names;
}

std::array<int, kind_total> icons() {
    std::array<int, kind_total> result{};
    for (int k = 0; k < kind_total; ++k) result[k] = kKinds[k].icon;
    return result;
}

}  // namespace

const std::array<std::string, kind_total> kind_names = cp932_names();
const std::array<int, kind_total> kind_icons = icons();

int find_kind(std::string_view name) {
    for (int k = 0; k < kind_count; ++k)
        if (kind_names[static_cast<std::size_t>(k)] == name) return k;
    return -1;
}

UnitTables::~UnitTables() {
    // The builders allocate every row, text and the order with malloc.
    for (udb& t : tables_) {
        for (int r = 0; r < t.count; ++r) {
            for (int c = 0; c < t.columns; ++c) std::free(t.rows[r][c]);
            std::free(t.rows[r]);
        }
        std::free(t.rows);
        std::free(t.order);
    }
}

void UnitTables::load_all() {
    for (int k = 0; k < kind_count; ++k) table(k);
}

const udb& UnitTables::operator[](int kind) const {
    const auto k = static_cast<std::size_t>(kind);
    if (!built_[k] && kind < kind_count && kKinds[k].builder) kKinds[k].builder(&tables_[k]);
    built_[k] = true;
    return tables_[k];
}

udb& UnitTables::table(int kind) {
    std::as_const(*this)[kind];
    return tables_[static_cast<std::size_t>(kind)];
}

}  // namespace varuno
