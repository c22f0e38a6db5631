// The Latin reading of verses of the default pack's Arabic (quran-json's Uthmani text, open
// tanween at U+08F0..U+08F2), against the printed Latin written out by the guideline.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "latin/transliterate.hpp"

namespace pelvaron::latin {
namespace {

struct Row {
  const char* what;
  const char* arabic;
  const char* latin;
};

// The rows' words whose w is the root's own, as the whole text decides them (the pack's
// latinjoined.txt).
const JoinedWords kJoined = JoinedWordsOf({"وَقَبَ", "وَسِعَ", "وَضَعۡنَا", "فَرَغۡتَ"});

void ExpectRows(const std::vector<Row>& rows) {
  for (const Row& row : rows) EXPECT_EQ(TransliterateVerse(row.arabic, kJoined), row.latin) << row.what;
}

// The examples that must come out exactly.
TEST(TransliterateVerse, PrintedExamples) {
  // One row a line, however long the verse.
  // clang-format off
  ExpectRows({
      {"1:1", "بِسۡمِ ٱللَّهِ ٱلرَّحۡمَٰنِ ٱلرَّحِيمِ", "Bismillāhir-raḥmānir-raḥīm(i)."},
      {"1:2", "ٱلۡحَمۡدُ لِلَّهِ رَبِّ ٱلۡعَٰلَمِينَ", "Al-ḥamdu lillāhi rabbil-‘ālamīn(a)."},
      {"112:1", "قُلۡ هُوَ ٱللَّهُ أَحَدٌ", "Qul huwallāhu aḥad(un)."},
      {"112:2", "ٱللَّهُ ٱلصَّمَدُ", "Allāhuṣ-ṣamad(u)."},
      {"94:6", "إِنَّ مَعَ ٱلۡعُسۡرِ يُسۡرࣰا", "Inna ma‘al-‘usri yusrā(n)."},
  });
  // clang-format on
}

// One rule a row, with a verse that shows it.
TEST(TransliterateVerse, Rules) {
  // One row a line, however long the verse.
  // clang-format off
  ExpectRows({
      {"108:3 hamza: not written at a word's start, ’ inside", "إِنَّ شَانِئَكَ هُوَ ٱلۡأَبۡتَرُ", "Inna syāni’aka huwal-abtar(u)."},
      {"109:2 ā ī ū from alif, yeh and waw; the madd sign", "لَآ أَعۡبُدُ مَا تَعۡبُدُونَ", "Lā a‘budu mā ta‘budūn(a)."},
      {"1:4 ā from the dagger alif", "مَٰلِكِ يَوۡمِ ٱلدِّينِ", "Māliki yaumid-dīn(i)."},
      {"111:2 ū from the small waw after a pronoun", "مَآ أَغۡنَىٰ عَنۡهُ مَالُهُۥ وَمَا كَسَبَ", "Mā agnā ‘anhu māluhū wa mā kasab(a)."},
      {"100:6 ī from the small yeh after a pronoun", "إِنَّ ٱلۡإِنسَٰنَ لِرَبِّهِۦ لَكَنُودࣱ", "Innal-insāna lirabbihī lakanūd(un)."},
      {"2:124 ī from the small high yeh", "۞وَإِذِ ٱبۡتَلَىٰٓ إِبۡرَٰهِـۧمَ رَبُّهُۥ بِكَلِمَٰتࣲ فَأَتَمَّهُنَّۖ قَالَ إِنِّي جَاعِلُكَ لِلنَّاسِ إِمَامࣰاۖ قَالَ وَمِن ذُرِّيَّتِيۖ قَالَ لَا يَنَالُ عَهۡدِي ٱلظَّـٰلِمِينَ", "Wa iżibtalā ibrāhīma rabbuhū bikalimātin fa atammahunn(a), qāla innī jā‘iluka lin-nāsi imāmā(n), qāla wa min żurriyyatī, qāla lā yanālu ‘ahdiẓ-ẓālimīn(a)."},
      {"106:4 diphthongs ai and au", "ٱلَّذِيٓ أَطۡعَمَهُم مِّن جُوعࣲ وَءَامَنَهُم مِّنۡ خَوۡفِۭ", "Allażī aṭ‘amahum min jū‘iw wa āmanahum min khauf(in)."},
      {"108:2 shadda doubles", "فَصَلِّ لِرَبِّكَ وَٱنۡحَرۡ", "Fa ṣalli lirabbika wanḥar."},
      {"103:3 letters the text marks not pronounced", "إِلَّا ٱلَّذِينَ ءَامَنُواْ وَعَمِلُواْ ٱلصَّـٰلِحَٰتِ وَتَوَاصَوۡاْ بِٱلۡحَقِّ وَتَوَاصَوۡاْ بِٱلصَّبۡرِ", "Illal-lażīna āmanū wa ‘amiluṣ-ṣāliḥāti wa tawāṣau bil-ḥaqqi wa tawāṣau biṣ-ṣabr(i)."},
      {"1:2 article before a moon letter", "ٱلۡحَمۡدُ لِلَّهِ رَبِّ ٱلۡعَٰلَمِينَ", "Al-ḥamdu lillāhi rabbil-‘ālamīn(a)."},
      {"1:3 article assimilated to a sun letter", "ٱلرَّحۡمَٰنِ ٱلرَّحِيمِ", "Ar-raḥmānir-raḥīm(i)."},
      {"91:1 sy doubled after the article", "وَٱلشَّمۡسِ وَضُحَىٰهَا", "Wasy-syamsi wa ḍuḥāhā."},
      {"2:201 hamzat wasl elided; a long vowel before it said short", "وَمِنۡهُم مَّن يَقُولُ رَبَّنَآ ءَاتِنَا فِي ٱلدُّنۡيَا حَسَنَةࣰ وَفِي ٱلۡأٓخِرَةِ حَسَنَةࣰ وَقِنَا عَذَابَ ٱلنَّارِ", "Wa minhum may yaqūlu rabbanā ātinā fid-dunyā ḥasanataw wa fil-ākhirati ḥasanataw wa qinā ‘ażāban-nār(i)."},
      {"2:180 tanwin before hamzat wasl takes i", "كُتِبَ عَلَيۡكُمۡ إِذَا حَضَرَ أَحَدَكُمُ ٱلۡمَوۡتُ إِن تَرَكَ خَيۡرًا ٱلۡوَصِيَّةُ لِلۡوَٰلِدَيۡنِ وَٱلۡأَقۡرَبِينَ بِٱلۡمَعۡرُوفِۖ حَقًّا عَلَى ٱلۡمُتَّقِينَ", "Kutiba ‘alaikum iżā ḥaḍara aḥadakumul-mautu in taraka khairanil-waṣiyyatu lil-wālidaini wal-aqrabīna bil-ma‘rūf(i), ḥaqqan ‘alal-muttaqīn(a)."},
      {"17:21 hamzat wasl at a verse's start: u", "ٱنظُرۡ كَيۡفَ فَضَّلۡنَا بَعۡضَهُمۡ عَلَىٰ بَعۡضࣲۚ وَلَلۡأٓخِرَةُ أَكۡبَرُ دَرَجَٰتࣲ وَأَكۡبَرُ تَفۡضِيلࣰا", "Unẓur kaifa faḍḍalnā ba‘ḍahum ‘alā ba‘ḍ(in), wa lal-ākhiratu akbaru darajātiw wa akbaru tafḍīlā(n)."},
      {"96:1 hamzat wasl at a verse's start: i", "ٱقۡرَأۡ بِٱسۡمِ رَبِّكَ ٱلَّذِي خَلَقَ", "Iqra’ bismi rabbikal-lażī khalaq(a)."},
      {"99:7 nun sakinah and tanwin into y, w, m, l, r", "فَمَن يَعۡمَلۡ مِثۡقَالَ ذَرَّةٍ خَيۡرࣰا يَرَهُۥ", "Fa may ya‘mal miṡqāla żarratin khairay yarah(ū)."},
      {"89:28 tanwin into m; nun before m, ta marbutah joined as t", "ٱرۡجِعِيٓ إِلَىٰ رَبِّكِ رَاضِيَةࣰ مَّرۡضِيَّةࣰ", "Irji‘ī ilā rabbiki rāḍiyatam marḍiyyah(tan)."},
      {"111:5 iqlab: m before b", "فِي جِيدِهَا حَبۡلࣱ مِّن مَّسَدِۭ", "Fī jīdihā ḥablum mim masad(in)."},
      {"104:1 tanwin into l; ta marbutah at the pause", "وَيۡلࣱ لِّكُلِّ هُمَزَةࣲ لُّمَزَةٍ", "Wailul likulli humazatil lumazah(tin)."},
      {"110:2 open tanwin at the pause after a", "وَرَأَيۡتَ ٱلنَّاسَ يَدۡخُلُونَ فِي دِينِ ٱللَّهِ أَفۡوَاجࣰا", "Wa ra’aitan-nāsa yadkhulūna fī dīnillāhi afwājā(n)."},
      {"109:4 a consonant said as the shadda after it", "وَلَآ أَنَا۠ عَابِدࣱ مَّا عَبَدتُّمۡ", "Wa lā ana ‘ābidum mā ‘abattum."},
      {"3:26 the name of God after a consonant and after li", "قُلِ ٱللَّهُمَّ مَٰلِكَ ٱلۡمُلۡكِ تُؤۡتِي ٱلۡمُلۡكَ مَن تَشَآءُ وَتَنزِعُ ٱلۡمُلۡكَ مِمَّن تَشَآءُ وَتُعِزُّ مَن تَشَآءُ وَتُذِلُّ مَن تَشَآءُۖ بِيَدِكَ ٱلۡخَيۡرُۖ إِنَّكَ عَلَىٰ كُلِّ شَيۡءࣲ قَدِيرࣱ", "Qulillāhumma mālikal-mulki tu’til-mulka man tasyā’u wa tanzi‘ul-mulka mimman tasyā’u wa tu‘izzu man tasyā’u wa tużillu man tasyā’(u), biyadikal-khair(u), innaka ‘alā kulli syai’in qadīr(un)."},
      {"2:1 letters at a surah's head, by name", "الٓمٓ", "Alif lām mīm."},
      {"1:5 wa and fa before a hamza stand apart", "إِيَّاكَ نَعۡبُدُ وَإِيَّاكَ نَسۡتَعِينُ", "Iyyāka na‘budu wa iyyāka nasta‘īn(u)."},
      {"89:27 the vocative ya before a hamza", "يَـٰٓأَيَّتُهَا ٱلنَّفۡسُ ٱلۡمُطۡمَئِنَّةُ", "Yā ayyatuhan-nafsul-muṭma’innah(tu)."},
      {"11:41 imala", "۞وَقَالَ ٱرۡكَبُواْ فِيهَا بِسۡمِ ٱللَّهِ مَجۡرٜىٰهَا وَمُرۡسَىٰهَآۚ إِنَّ رَبِّي لَغَفُورࣱ رَّحِيمࣱ", "Wa qālarkabū fīhā bismillāhi majrēhā wa mursāhā, inna rabbī lagafūrur raḥīm(un)."},
      {"21:88 the small high noon", "فَٱسۡتَجَبۡنَا لَهُۥ وَنَجَّيۡنَٰهُ مِنَ ٱلۡغَمِّۚ وَكَذَٰلِكَ نُـۨجِي ٱلۡمُؤۡمِنِينَ", "Fastajabnā lahū wa najjaināhu minal-gamm(i), wa każālika nunjil-mu’minīn(a)."},
      {"2:72 the hamza on a thin space's seat", "وَإِذۡ قَتَلۡتُمۡ نَفۡسࣰا فَٱدَّـٰرَ ٰٔتُمۡ فِيهَاۖ وَٱللَّهُ مُخۡرِجࣱ مَّا كُنتُمۡ تَكۡتُمُونَ", "Wa iż qataltum nafsan faddāra’tum fīhā, wallāhu mukhrijum mā kuntum taktumūn(a)."},
  });
  // clang-format on
}

// The conjunctions, the pauses inside a verse and the article before lām at its start, as the
// Ministry's editions print them.
TEST(TransliterateVerse, WordsAndPausesAsTheEditionsPrintThem) {
  // One row a line, however long the verse.
  // clang-format off
  ExpectRows({
      {"2:255 wa apart before a consonant; a pause and a comma at each stop; wasi‘a joined", "ٱللَّهُ لَآ إِلَٰهَ إِلَّا هُوَ ٱلۡحَيُّ ٱلۡقَيُّومُۚ لَا تَأۡخُذُهُۥ سِنَةࣱ وَلَا نَوۡمࣱۚ لَّهُۥ مَا فِي ٱلسَّمَٰوَٰتِ وَمَا فِي ٱلۡأَرۡضِۗ مَن ذَا ٱلَّذِي يَشۡفَعُ عِندَهُۥٓ إِلَّا بِإِذۡنِهِۦۚ يَعۡلَمُ مَا بَيۡنَ أَيۡدِيهِمۡ وَمَا خَلۡفَهُمۡۖ وَلَا يُحِيطُونَ بِشَيۡءࣲ مِّنۡ عِلۡمِهِۦٓ إِلَّا بِمَا شَآءَۚ وَسِعَ كُرۡسِيُّهُ ٱلسَّمَٰوَٰتِ وَٱلۡأَرۡضَۖ وَلَا يَـُٔودُهُۥ حِفۡظُهُمَاۚ وَهُوَ ٱلۡعَلِيُّ ٱلۡعَظِيمُ", "Allāhu lā ilāha illā huwal-ḥayyul-qayyūm(u), lā ta’khużuhū sinatuw wa lā naum(un), lahū mā fis-samāwāti wa mā fil-arḍ(i), man żal-lażī yasyfa‘u ‘indahū illā bi’iżnih(ī), ya‘lamu mā baina aidīhim wa mā khalfahum, wa lā yuḥīṭūna bisyai’im min ‘ilmihī illā bimā syā’(a), wasi‘a kursiyyuhus-samāwāti wal-arḍ(a), wa lā ya’ūduhū ḥifẓuhumā, wa huwal-‘aliyyul-‘aẓīm(u)."},
      {"67:2 All… at the verse's start; the pause before wa huwa", "ٱلَّذِي خَلَقَ ٱلۡمَوۡتَ وَٱلۡحَيَوٰةَ لِيَبۡلُوَكُمۡ أَيُّكُمۡ أَحۡسَنُ عَمَلࣰاۚ وَهُوَ ٱلۡعَزِيزُ ٱلۡغَفُورُ", "Allażī khalaqal-mauta wal-ḥayāta liyabluwakum ayyukum aḥsanu ‘amalā(n), wa huwal-‘azīzul-gafūr(u)."},
      {"2:3 All… at the verse's start", "ٱلَّذِينَ يُؤۡمِنُونَ بِٱلۡغَيۡبِ وَيُقِيمُونَ ٱلصَّلَوٰةَ وَمِمَّا رَزَقۡنَٰهُمۡ يُنفِقُونَ", "Allażīna yu’minūna bil-gaibi wa yuqīmūnaṣ-ṣalāta wa mimmā razaqnāhum yunfiqūn(a)."},
      {"2:2 of a pair of stops, the first", "ذَٰلِكَ ٱلۡكِتَٰبُ لَا رَيۡبَۛ فِيهِۛ هُدࣰى لِّلۡمُتَّقِينَ", "Żālikal-kitābu lā raib(a), fīhi hudal lil-muttaqīn(a)."},
      {"94:2 wa before a word of the root w", "وَوَضَعۡنَا عَنكَ وِزۡرَكَ", "Wa waḍa‘nā ‘anka wizrak(a)."},
      {"94:4 wa rafa‘nā", "وَرَفَعۡنَا لَكَ ذِكۡرَكَ", "Wa rafa‘nā laka żikrak(a)."},
      {"94:7 fa apart before a hamza, joined where the waṣl is elided", "فَإِذَا فَرَغۡتَ فَٱنصَبۡ", "Fa iżā faragta fanṣab."},
      {"2:286 wa ‘alaihā; wa‘fu joined", "لَا يُكَلِّفُ ٱللَّهُ نَفۡسًا إِلَّا وُسۡعَهَاۚ لَهَا مَا كَسَبَتۡ وَعَلَيۡهَا مَا ٱكۡتَسَبَتۡۗ رَبَّنَا لَا تُؤَاخِذۡنَآ إِن نَّسِينَآ أَوۡ أَخۡطَأۡنَاۚ رَبَّنَا وَلَا تَحۡمِلۡ عَلَيۡنَآ إِصۡرࣰا كَمَا حَمَلۡتَهُۥ عَلَى ٱلَّذِينَ مِن قَبۡلِنَاۚ رَبَّنَا وَلَا تُحَمِّلۡنَا مَا لَا طَاقَةَ لَنَا بِهِۦۖ وَٱعۡفُ عَنَّا وَٱغۡفِرۡ لَنَا وَٱرۡحَمۡنَآۚ أَنتَ مَوۡلَىٰنَا فَٱنصُرۡنَا عَلَى ٱلۡقَوۡمِ ٱلۡكَٰفِرِينَ", "Lā yukallifullāhu nafsan illā wus‘ahā, lahā mā kasabat wa ‘alaihā maktasabat, rabbanā lā tu’ākhiżnā in nasīnā au akhṭa’nā, rabbanā wa lā taḥmil ‘alainā iṣran kamā ḥamaltahū ‘alal-lażīna min qablinā, rabbanā wa lā tuḥammilnā mā lā ṭāqata lanā bih(ī), wa‘fu ‘annā wagfir lanā warḥamnā, anta maulānā fanṣurnā ‘alal-qaumil-kāfirīn(a)."},
      {"2:164 wakhtilāfil-laili", "إِنَّ فِي خَلۡقِ ٱلسَّمَٰوَٰتِ وَٱلۡأَرۡضِ وَٱخۡتِلَٰفِ ٱلَّيۡلِ وَٱلنَّهَارِ وَٱلۡفُلۡكِ ٱلَّتِي تَجۡرِي فِي ٱلۡبَحۡرِ بِمَا يَنفَعُ ٱلنَّاسَ وَمَآ أَنزَلَ ٱللَّهُ مِنَ ٱلسَّمَآءِ مِن مَّآءࣲ فَأَحۡيَا بِهِ ٱلۡأَرۡضَ بَعۡدَ مَوۡتِهَا وَبَثَّ فِيهَا مِن كُلِّ دَآبَّةࣲ وَتَصۡرِيفِ ٱلرِّيَٰحِ وَٱلسَّحَابِ ٱلۡمُسَخَّرِ بَيۡنَ ٱلسَّمَآءِ وَٱلۡأَرۡضِ لَأٓيَٰتࣲ لِّقَوۡمࣲ يَعۡقِلُونَ", "Inna fī khalqis-samāwāti wal-arḍi wakhtilāfil-laili wan-nahāri wal-fulkil-latī tajrī fil-baḥri bimā yanfa‘un-nāsa wa mā anzalallāhu minas-samā’i mim mā’in fa aḥyā bihil-arḍa ba‘da mautihā wa baṡṡa fīhā min kulli dābbatiw wa taṣrīfir-riyāḥi was-saḥābil-musakhkhari bainas-samā’i wal-arḍi la’āyātil liqaumiy ya‘qilūn(a)."},
  });
  // clang-format on
}

// How the whole text decides a wa or fa, on a text small enough to see each way.
TEST(DecideWaFa, TheTextDecidesAndTheRestIsCounted) {
  const WaFaDecisions d = DecideWaFa({
      "وَلَا لَا",       // the rest stands alone: apart
      "وَتَوَكَّلۡ فَتَوَكَّلۡ",  // the rest after the other conjunction: apart
      "وَعَدَ ٱلۡوَعۡدُ",    // the word takes the article: joined
      "وَجَدَكَ وَوَجَدَكَ",   // the word stands after another wa: joined, its wa apart
      "وَوَضَعۡنَا",       // wa before a wa: apart; the word after it stands after a wa: joined
      "وَقَبَ",          // the exceptions file: joined
      "وَقَالَ وَقَالَ",    // nothing decides: apart by a guess, counted at each occurrence
  });
  EXPECT_EQ(d.joined, JoinedWordsOf({"وَعَدَ", "وَجَدَكَ", "وَضَعۡنَا", "وَقَبَ"}));
  EXPECT_EQ(d.guessed, JoinedWordsOf({"وَقَالَ"}));
  EXPECT_EQ(d.guessedTimes, 2);
}

// Whole short surahs.
TEST(TransliterateVerse, ShortSurahs) {
  // One row a line, however long the verse.
  // clang-format off
  ExpectRows({
      {"1:3", "ٱلرَّحۡمَٰنِ ٱلرَّحِيمِ", "Ar-raḥmānir-raḥīm(i)."},
      {"1:4", "مَٰلِكِ يَوۡمِ ٱلدِّينِ", "Māliki yaumid-dīn(i)."},
      {"1:5", "إِيَّاكَ نَعۡبُدُ وَإِيَّاكَ نَسۡتَعِينُ", "Iyyāka na‘budu wa iyyāka nasta‘īn(u)."},
      {"1:6", "ٱهۡدِنَا ٱلصِّرَٰطَ ٱلۡمُسۡتَقِيمَ", "Ihdinaṣ-ṣirāṭal-mustaqīm(a)."},
      {"1:7", "صِرَٰطَ ٱلَّذِينَ أَنۡعَمۡتَ عَلَيۡهِمۡ غَيۡرِ ٱلۡمَغۡضُوبِ عَلَيۡهِمۡ وَلَا ٱلضَّآلِّينَ", "Ṣirāṭal-lażīna an‘amta ‘alaihim gairil-magḍūbi ‘alaihim wa laḍ-ḍāllīn(a)."},
      {"103:1", "وَٱلۡعَصۡرِ", "Wal-‘aṣr(i)."},
      {"103:2", "إِنَّ ٱلۡإِنسَٰنَ لَفِي خُسۡرٍ", "Innal-insāna lafī khusr(in)."},
      {"103:3", "إِلَّا ٱلَّذِينَ ءَامَنُواْ وَعَمِلُواْ ٱلصَّـٰلِحَٰتِ وَتَوَاصَوۡاْ بِٱلۡحَقِّ وَتَوَاصَوۡاْ بِٱلصَّبۡرِ", "Illal-lażīna āmanū wa ‘amiluṣ-ṣāliḥāti wa tawāṣau bil-ḥaqqi wa tawāṣau biṣ-ṣabr(i)."},
      {"108:1", "إِنَّآ أَعۡطَيۡنَٰكَ ٱلۡكَوۡثَرَ", "Innā a‘ṭainākal-kauṡar(a)."},
      {"108:2", "فَصَلِّ لِرَبِّكَ وَٱنۡحَرۡ", "Fa ṣalli lirabbika wanḥar."},
      {"108:3", "إِنَّ شَانِئَكَ هُوَ ٱلۡأَبۡتَرُ", "Inna syāni’aka huwal-abtar(u)."},
      {"109:1", "قُلۡ يَـٰٓأَيُّهَا ٱلۡكَٰفِرُونَ", "Qul yā ayyuhal-kāfirūn(a)."},
      {"109:2", "لَآ أَعۡبُدُ مَا تَعۡبُدُونَ", "Lā a‘budu mā ta‘budūn(a)."},
      {"109:3", "وَلَآ أَنتُمۡ عَٰبِدُونَ مَآ أَعۡبُدُ", "Wa lā antum ‘ābidūna mā a‘bud(u)."},
      {"109:4", "وَلَآ أَنَا۠ عَابِدࣱ مَّا عَبَدتُّمۡ", "Wa lā ana ‘ābidum mā ‘abattum."},
      {"109:5", "وَلَآ أَنتُمۡ عَٰبِدُونَ مَآ أَعۡبُدُ", "Wa lā antum ‘ābidūna mā a‘bud(u)."},
      {"109:6", "لَكُمۡ دِينُكُمۡ وَلِيَ دِينِ", "Lakum dīnukum wa liya dīn(i)."},
      {"110:1", "إِذَا جَآءَ نَصۡرُ ٱللَّهِ وَٱلۡفَتۡحُ", "Iżā jā’a naṣrullāhi wal-fatḥ(u)."},
      {"110:2", "وَرَأَيۡتَ ٱلنَّاسَ يَدۡخُلُونَ فِي دِينِ ٱللَّهِ أَفۡوَاجࣰا", "Wa ra’aitan-nāsa yadkhulūna fī dīnillāhi afwājā(n)."},
      {"110:3", "فَسَبِّحۡ بِحَمۡدِ رَبِّكَ وَٱسۡتَغۡفِرۡهُۚ إِنَّهُۥ كَانَ تَوَّابَۢا", "Fa sabbiḥ biḥamdi rabbika wastagfirh(u), innahū kāna tawwābā(n)."},
      {"112:3", "لَمۡ يَلِدۡ وَلَمۡ يُولَدۡ", "Lam yalid wa lam yūlad."},
      {"112:4", "وَلَمۡ يَكُن لَّهُۥ كُفُوًا أَحَدُۢ", "Wa lam yakul lahū kufuwan aḥad(un)."},
      {"113:1", "قُلۡ أَعُوذُ بِرَبِّ ٱلۡفَلَقِ", "Qul a‘ūżu birabbil-falaq(i)."},
      {"113:2", "مِن شَرِّ مَا خَلَقَ", "Min syarri mā khalaq(a)."},
      {"113:3", "وَمِن شَرِّ غَاسِقٍ إِذَا وَقَبَ", "Wa min syarri gāsiqin iżā waqab(a)."},
      {"113:4", "وَمِن شَرِّ ٱلنَّفَّـٰثَٰتِ فِي ٱلۡعُقَدِ", "Wa min syarrin-naffāṡāti fil-‘uqad(i)."},
      {"113:5", "وَمِن شَرِّ حَاسِدٍ إِذَا حَسَدَ", "Wa min syarri ḥāsidin iżā ḥasad(a)."},
      {"114:1", "قُلۡ أَعُوذُ بِرَبِّ ٱلنَّاسِ", "Qul a‘ūżu birabbin-nās(i)."},
      {"114:2", "مَلِكِ ٱلنَّاسِ", "Malikin-nās(i)."},
      {"114:3", "إِلَٰهِ ٱلنَّاسِ", "Ilāhin-nās(i)."},
      {"114:4", "مِن شَرِّ ٱلۡوَسۡوَاسِ ٱلۡخَنَّاسِ", "Min syarril-waswāsil-khannās(i)."},
      {"114:5", "ٱلَّذِي يُوَسۡوِسُ فِي صُدُورِ ٱلنَّاسِ", "Allażī yuwaswisu fī ṣudūrin-nās(i)."},
      {"114:6", "مِنَ ٱلۡجِنَّةِ وَٱلنَّاسِ", "Minal-jinnati wan-nās(i)."},
  });
  // clang-format on
}

TEST(TransliterateVerse, NothingToRead) {
  EXPECT_EQ(TransliterateVerse("", kJoined), "");
  EXPECT_EQ(TransliterateVerse(" \uFD3F\u0661\uFD3E ", kJoined), "");
}

}  // namespace
}  // namespace pelvaron::latin
