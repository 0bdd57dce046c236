#include "falesny_svet.h"
#include "korpus_radek.h"

// Every string the build of 3d4750f took (tools/korpus.sh wrote down what it made of it) means the
// same today, unless it uses a new keyword: a schedule that was armed, carried out or expired then
// must not change its moment, flags or password, nor turn into a condition.
TEST(Korpus, StareParametryZnamenajiTotez) {
  FalesnySvet svet;
  PripravSvet(svet);
  std::ifstream tsv(VYPNUTI_ZDROJE "/tests/native/korpus_parametru.tsv");
  ASSERT_TRUE(tsv) << "run tools/korpus.sh";
  int platnych = 0, preskoceno = 0;
  std::string radek, rozdily;
  while (std::getline(tsv, radek)) {
    const auto tab = radek.find('\t');
    const std::string text = radek.substr(0, tab), tehdy = radek.substr(tab + 1);
    if (tehdy == "Odmitnuto") continue;
    ++platnych;
    // The keywords added after 3d4750f, in the only form that makes them keywords: the value's slash at once.
    if (std::ranges::any_of(std::array{";dny/", ";po/", ";klid/", ";necinnost/"},
                            [&](const char* slovo) { return text.find(slovo) != std::string::npos; })) {
      ++preskoceno;
      continue;
    }
    const std::string ted = RadekKorpusu(text, svet.log);
    if (ted != tehdy) rozdily += text + " -> then " + tehdy + " / now " + ted + "\n";
  }
  EXPECT_GT(platnych, 300);
  EXPECT_TRUE(rozdily.empty()) << platnych << " strings valid then, " << preskoceno << " skipped, changed:\n"
                               << rozdily;

  // "/hibernace" is a new word, and the last one looked for: a string with an older one keeps its action.
  EXPECT_EQ(
      RadekKorpusu("/vypnuti/hibernace;t/23:00/", svet.log) + " | " + RadekKorpusu("/hibernace", svet.log),
      "Aktivni akce=1 cil=4.12.2026 23:00:00 kd=0 zs=0 ss=0 kv=0 od=0 do=- heslo=- | Provedeno SetSuspendState 1 0 0;");
}
