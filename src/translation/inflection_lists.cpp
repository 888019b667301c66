#include "translation/inflection_lists.h"

namespace lexaro {

namespace {

constexpr QStringView English = uR"(be am is are was were been being 's 're 'm
have has had having 've 'd
do does did done doing
go goes went gone going
say says said saying
get gets got gotten getting
make makes made making
know knows knew known knowing
think thinks thought thinking
take takes took taken taking
see sees saw seen seeing
come comes came coming
give gives gave given giving
find finds found finding
tell tells told telling
become becomes became becoming
leave leaves left leaving
feel feels felt feeling
bring brings brought bringing
begin begins began begun beginning
keep keeps kept keeping
hold holds held holding
write writes wrote written writing
stand stands stood standing
hear hears heard hearing
let lets letting
mean means meant meaning
set sets setting
meet meets met meeting
run runs ran running
pay pays paid paying
sit sits sat sitting
speak speaks spoke spoken speaking
lie lies lay lain lying lied
lead leads led leading
read reads reading
grow grows grew grown growing
lose loses lost losing
fall falls fell fallen falling
send sends sent sending
build builds built building
understand understands understood understanding
draw draws drew drawn drawing
break breaks broke broken breaking
spend spends spent spending
cut cuts cutting
rise rises rose risen rising
drive drives drove driven driving
buy buys bought buying
wear wears wore worn wearing
choose chooses chose chosen choosing
seek seeks sought seeking
throw throws threw thrown throwing
catch catches caught catching
deal deals dealt dealing
win wins won winning
forget forgets forgot forgotten forgetting
sell sells sold selling
fight fights fought fighting
teach teaches taught teaching
eat eats ate eaten eating
sing sings sang sung singing
swim swims swam swum swimming
drink drinks drank drunk drinking
fly flies flew flown flying
sleep sleeps slept sleeping
hide hides hid hidden hiding
shake shakes shook shaken shaking
ride rides rode ridden riding
steal steals stole stolen stealing
wake wakes woke woken waking
bite bites bit bitten biting
blow blows blew blown blowing
feed feeds fed feeding
hang hangs hung hanging
hit hits hitting
hurt hurts hurting
lay lays laid laying
lend lends lent lending
light lights lit lighting
put puts putting
quit quits quitting
ring rings rang rung ringing
shoot shoots shot shooting
shut shuts shutting
sink sinks sank sunk sinking
spread spreads spreading
strike strikes struck striking
swear swears swore sworn swearing
tear tears tore torn tearing
bear bears bore borne born bearing
beat beats beaten beating
bend bends bent bending
bet bets betting
bind binds bound binding
bleed bleeds bled bleeding
burn burns burnt burned burning
cost costs costing
creep creeps crept creeping
dig digs dug digging
dream dreams dreamt dreamed dreaming
flee flees fled fleeing
forbid forbids forbade forbidden forbidding
forgive forgives forgave forgiven forgiving
freeze freezes froze frozen freezing
grind grinds ground grinding
kneel kneels knelt kneeling
learn learns learnt learned learning
mistake mistakes mistook mistaken mistaking
prove proves proved proven proving
shine shines shone shining
show shows showed shown showing
shrink shrinks shrank shrunk shrinking
slide slides slid sliding
smell smells smelt smelled smelling
spell spells spelt spelled spelling
spin spins spun spinning
split splits splitting
stick sticks stuck sticking
sting stings stung stinging
stink stinks stank stunk stinking
swing swings swung swinging
weep weeps wept weeping
wind winds wound winding
withdraw withdraws withdrew withdrawn withdrawing
can could
will would
shall should
may might
must
man men man's men's
woman women woman's women's
child children child's children's
person people
foot feet
tooth teeth
mouse mice
goose geese
ox oxen
life lives
wife wives
knife knives
leaf leaves
half halves
wolf wolves
shelf shelves
thief thieves
loaf loaves
calf calves
analysis analyses
crisis crises
thesis theses
hypothesis hypotheses
basis bases
phenomenon phenomena
criterion criteria
datum data
medium media
index indices indexes
appendix appendices
matrix matrices
vertex vertices
cactus cacti
fungus fungi
nucleus nuclei
radius radii
stimulus stimuli
potato potatoes
tomato tomatoes
hero heroes
echo echoes
good better best
bad worse worst
well better best
far farther further farthest furthest
little less least
many more most
much more most
old older elder oldest eldest
big bigger biggest
small smaller smallest
large larger largest
long longer longest
short shorter shortest
tall taller tallest
high higher highest
low lower lowest
fast faster fastest
slow slower slowest
young younger youngest
new newer newest
hot hotter hottest
cold colder coldest
warm warmer warmest
easy easier easiest
hard harder hardest
happy happier happiest
early earlier earliest
late later latest
strong stronger strongest
weak weaker weakest
rich richer richest
poor poorer poorest
cheap cheaper cheapest
deep deeper deepest
wide wider widest
great greater greatest
nice nicer nicest
close closer closest
clean cleaner cleanest
clear clearer clearest
dark darker darkest
heavy heavier heaviest
thin thinner thinnest
thick thicker thickest
simple simpler simplest
safe safer safest
true truer truest
wise wiser wisest
quick quicker quickest
sad sadder saddest
bright brighter brightest
near nearer nearest
soft softer softest
sweet sweeter sweetest
busy busier busiest
funny funnier funniest
pretty prettier prettiest
lucky luckier luckiest
dirty dirtier dirtiest
angry angrier angriest
hungry hungrier hungriest
healthy healthier healthiest
tiny tinier tiniest
ugly uglier ugliest
full fuller fullest
light lighter lightest
loud louder loudest
quiet quieter quietest
fine finer finest
strange stranger strangest
)";

constexpr QStringView German =
    uR"(sein ist war gewesen bin bist sind seid waren warst wart wäre wären wärst sei seien
haben hat hatte gehabt habe hast habt hatten hattest hätte hätten hättest
werden wird wurde geworden werde wirst werdet wurden wurdest würde würden würdest worden
können kann konnte gekonnt kannst könnt konnten konntest könnte könnten
müssen muss musste gemusst muß mußte musst mußt müsst musstest mussten müsste müssten
dürfen darf durfte gedurft darfst dürft durften dürfte dürften
sollen soll sollte gesollt sollst sollt sollten solltest
wollen will wollte gewollt willst wollt wollten wolltest
mögen mag mochte gemocht magst mögt mochten möchte möchten möchtest
wissen weiß wusste gewusst weißt wisst wussten wußte gewußt
tun tut tat getan tue tust taten
geben gibt gab gegeben
sehen sieht sah gesehen
lesen liest las gelesen
essen isst aß gegessen
vergessen vergisst vergaß vergessen
messen misst maß gemessen
sprechen spricht sprach gesprochen
treffen trifft traf getroffen
helfen hilft half geholfen
nehmen nimmt nahm genommen
werfen wirft warf geworfen
sterben stirbt starb gestorben
brechen bricht brach gebrochen
empfehlen empfiehlt empfahl empfohlen
stehlen stiehlt stahl gestohlen
befehlen befiehlt befahl befohlen
fahren fährt fuhr gefahren
tragen trägt trug getragen
schlagen schlägt schlug geschlagen
wachsen wächst wuchs gewachsen
waschen wäscht wusch gewaschen
fallen fällt fiel gefallen
halten hält hielt gehalten
lassen lässt ließ gelassen läßt
laufen läuft lief gelaufen
schlafen schläft schlief geschlafen
raten rät riet geraten
stoßen stößt stieß gestoßen
gehen geht ging gegangen
kommen kommt kam gekommen
stehen steht stand gestanden
bleiben bleibt blieb geblieben
schreiben schreibt schrieb geschrieben
scheinen scheint schien geschienen
steigen steigt stieg gestiegen
treiben treibt trieb getrieben
leihen leiht lieh geliehen
schweigen schweigt schwieg geschwiegen
greifen greift griff gegriffen
leiden leidet litt gelitten
schneiden schneidet schnitt geschnitten
reiten reitet ritt geritten
streiten streitet stritt gestritten
pfeifen pfeift pfiff gepfiffen
beißen beißt biss gebissen
reißen reißt riss gerissen
finden findet fand gefunden
binden bindet band gebunden
singen singt sang gesungen
springen springt sprang gesprungen
trinken trinkt trank getrunken
sinken sinkt sank gesunken
beginnen beginnt begann begonnen
gewinnen gewinnt gewann gewonnen
schwimmen schwimmt schwamm geschwommen
ziehen zieht zog gezogen
fliegen fliegt flog geflogen
fliehen flieht floh geflohen
fließen fließt floss geflossen
schließen schließt schloss geschlossen
schießen schießt schoss geschossen
verlieren verliert verlor verloren
frieren friert fror gefroren
biegen biegt bog gebogen
bieten bietet bot geboten
lügen lügt log gelogen
liegen liegt lag gelegen
sitzen sitzt saß gesessen
bitten bittet bat gebeten
rufen ruft rief gerufen
heißen heißt hieß geheißen
denken denkt dachte gedacht
bringen bringt brachte gebracht
kennen kennt kannte gekannt
nennen nennt nannte genannt
brennen brennt brannte gebrannt
rennen rennt rannte gerannt
senden sendet sandte gesandt
wenden wendet wandte gewandt
hängen hängt hing gehangen
fangen fängt fing gefangen
gelten gilt galt gegolten
schelten schilt schalt gescholten
erschrecken erschrickt erschrak erschrocken
schieben schiebt schob geschoben
heben hebt hob gehoben
wiegen wiegt wog gewogen
riechen riecht roch gerochen
kriechen kriecht kroch gekrochen
gießen gießt goss gegossen
genießen genießt genoss genossen
schmelzen schmilzt schmolz geschmolzen
schwören schwört schwor geschworen
graben gräbt grub gegraben
laden lädt lud geladen
blasen bläst blies geblasen
braten brät briet gebraten
saufen säuft soff gesoffen
stinken stinkt stank gestunken
zwingen zwingt zwang gezwungen
klingen klingt klang geklungen
ringen ringt rang gerungen
schwingen schwingt schwang geschwungen
dringen dringt drang gedrungen
schwinden schwindet schwand geschwunden
meiden meidet mied gemieden
preisen preist pries gepriesen
weisen weist wies gewiesen
gleiten gleitet glitt geglitten
schleichen schleicht schlich geschlichen
streichen streicht strich gestrichen
weichen weicht wich gewichen
gleichen gleicht glich geglichen
schreien schreit schrie geschrien
treten tritt trat getreten trittst
fressen frisst fraß gefressen
geschehen geschieht geschah geschehen
stechen sticht stach gestochen
bergen birgt barg geborgen
verderben verdirbt verdarb verdorben
werben wirbt warb geworben
reiben reibt rieb gerieben
scheiden scheidet schied geschieden
schreiten schreitet schritt geschritten
spinnen spinnt spann gesponnen
verzeihen verzeiht verzieh verziehen
trügen trügt trog getrogen
erwägen erwägt erwog erwogen
backen bäckt backte gebacken
laden lädt lud geladen
graben gräbt grub gegraben
schaffen schafft schuf geschaffen
groß größer größte größten größter größtes größtem größt größere größeren größerer größeres größerem
jung jünger jüngste jüngsten jüngster jüngere jüngeren
alt älter ältere älteren älterer älteres ältesten älteste
gut besser best beste besten bester bestes bestem
viel mehr meist meiste meisten vielen viele vieler vieles
hoch höher höchst hohe hohen hoher hohes hohem höchste höchsten höchster höchstes höchstem
manche mancher manches manchem manchen
einige einiger einiges einigem einigen
erstere ersterer ersteres ersterem ersteren
etliche etlicher etliches etlichem etlichen
sämtliche sämtlicher sämtliches sämtlichem sämtlichen
grab gräber gräbern
fach fächer fächern
korn körner körnern
konto Konten
risiko Risiken
saldo Salden
material Materialien
prinzip Prinzipien
fossil Fossilien
mineral Mineralien
reptil Reptilien
indiz Indizien
privileg Privilegien
utensil Utensilien
adverb Adverbien
kapital Kapitalien
bau Bauten
schema Schemata
komma Kommata
atlas Atlanten
kaktus Kakteen
lexikon Lexika
praktikum Praktika
examen Examina
stadion Stadien
mythos Mythen
tempo Tempi
modus Modi
genus Genera
epos Epen
visum Visa
cello Celli
fachmann Fachleute
kaufmann Kaufleute
geschäftsmann Geschäftsleute
seemann Seeleute
nah näher nächst nächste nächsten
)";

constexpr QStringView Italian =
    uR"(essere sono sei è siamo siete era eri ero eravamo eravate erano fui fosti fu fummo foste furono sarò sarai sarà saremo sarete saranno sarei saresti sarebbe saremmo sareste sarebbero sia siano fossi fosse fossimo fossero stato stata stati state essendo
avere ho hai ha abbiamo avete hanno avevo avevi aveva avevamo avevate avevano ebbi avesti ebbe avemmo aveste ebbero avrò avrai avrà avremo avrete avranno avrei avresti avrebbe avremmo avreste avrebbero abbia abbiate abbiano avessi avesse avessimo avessero avuto avuta avuti avute avendo
stare sto stai sta stiamo state stanno stavo stavi stava stavamo stavate stavano stetti stesti stette stettero starò starai starà staremo starete staranno starei staresti starebbe stia stiano stessi stesse stessero stato stata stati state stando
fare faccio fai fa facciamo fate fanno facevo facevi faceva facevamo facevate facevano feci facesti fece facemmo fecero farò farai farà faremo farete faranno farei faresti farebbe faremmo farebbero faccia facciano facessi facesse facessero fatto fatta fatti fatte facendo
andare vado vai va andiamo andate vanno andavo andava andavano andai andò andarono andrò andrai andrà andremo andranno andrei andrebbe vada vadano andassi andasse andato andata andati andate andando
dare do dai dà diamo date danno davo davi dava davamo davate davano diedi diede diedero detti dette darò darà darei darebbe dia diano dessi desse dato data dati date dando
dire dico dici dice diciamo dite dicono dicevo diceva dicevano dissi disse dicemmo dissero dirò dirai dirà diremo diranno direi direbbe dica dicano dicessi dicesse detto detta detti dette dicendo
venire vengo vieni viene veniamo venite vengono venivo veniva venivano venni venne vennero verrò verrai verrà verremo verranno verrei verrebbe venga vengano venissi venisse venuto venuta venuti venute venendo
potere posso puoi può possiamo potete possono potevo poteva potevano potei poté poterono potrò potrai potrà potremo potranno potrei potresti potrebbe potremmo potrebbero possa possano potessi potesse potuto potendo
volere voglio vuoi vuole vogliamo volete vogliono volevo voleva volevano volli volle vollero vorrò vorrai vorrà vorremo vorranno vorrei vorresti vorrebbe vorremmo vorrebbero voglia vogliano volessi volesse voluto volendo
dovere devo devi deve dobbiamo dovete devono debbo dovevo doveva dovevano dovetti dovette dovrò dovrai dovrà dovremo dovranno dovrei dovresti dovrebbe dovremmo dovrebbero debba debbano dovessi dovesse dovuto dovendo
sapere so sai sa sappiamo sapete sanno sapevo sapeva sapevano seppi seppe seppero saprò saprai saprà sapremo sapranno saprei saprebbe sappia sappiano sapessi sapesse saputo sapendo
vedere vedo vedi vede vediamo vedete vedono vedevo vedeva vedevano vidi vide videro vedrò vedrai vedrà vedremo vedranno vedrei vedrebbe veda vedano vedessi vedesse visto vista visti viste veduto vedendo
uscire esco esci esce usciamo uscite escono uscivo usciva uscì uscirono esca escano uscito uscita usciti uscite uscendo
tenere tengo tieni tiene teniamo tenete tengono tenevo teneva tenni tenne tennero terrò terrà terrei tenga tengano tenuto tenuta tenuti tenendo tenute
rimanere rimango rimani rimane rimaniamo rimangono rimasi rimase rimasero rimarrò rimarrà rimanga rimasto rimasta rimasti rimaste rimanendo
prendere presi prese prendemmo presero preso presa prese
mettere misi mise mettemmo misero messo messa messi messe
scrivere scrissi scrisse scrissero scritto scritta scritti scritte
leggere lessi lesse lessero letto letta letti lette
chiedere chiesi chiese chiesero chiesto chiesta chiesti chieste
rispondere risposi rispose risposero risposto risposta risposti
vivere vissi visse vissero vissuto vissuta vivrò vivrà vissuti vissute
nascere nacqui nacque nacquero nato nata nati nate
morire muoio muori muore muoiono morto morta morti morte morì
aprire aperto aperta aperti aperte
offrire offerto offerta offerti
coprire coperto coperta coperti
chiudere chiusi chiuse chiusero chiuso chiusa chiusi chiuse
correre corsi corse corsero corso corsa
perdere persi perse persero perso persa perduto
scegliere scelgo scegli sceglie scegliamo scelgono scelsi scelse scelsero scelto scelta scelti scelga
conoscere conobbi conobbe conobbero conosciuto conosciuta conosciuti conosciute
bere bevo bevi beve beviamo bevete bevono bevevo beveva bevvi bevve berrò berrà bevuto bevuta bevendo beva bevuti bevute
piacere piace piacciono piaceva piacque piacquero piaciuto piaciuta piacerà piacerebbe piaccia piaciuti piaciute
decidere decisi decise decisero deciso decisa
succedere successe successo successa
accadere accadde accaduto accaduta accadrà accaduti accadute
cadere caddi cadde caddero cadrò cadrà caduto caduta caduti
togliere tolgo toglie tolgono tolsi tolse tolto tolta tolti tolte
vincere vinsi vinse vinsero vinto vinta vinti vinte
muovere mossi mosse mosso mossa
ridere risi rise riso
piangere piansi pianse pianto
raggiungere raggiunsi raggiunse raggiunto raggiunta raggiunti raggiunte
discutere discussi discusse discusso
esprimere espressi espresse espresso espressa
trarre traggo trae traggono trassi trasse tratto tratta trarrà
porre pongo pone poniamo pongono posi pose posto posta porrà
tradurre traduco traduce traducono tradussi tradusse tradotto tradotta tradotti tradotte
condurre conduco conduce conducono condussi condusse condotto condotta
spegnere spengo spegne spensi spense spento spenta spente
dipingere dipinsi dipinse dipinto dipinta dipinte
spendere spesi spese speso spesa
rendere resi rese reso resa
difendere difesi difese difeso difesa
scendere scesi scese sceso scesa
accendere accesi accese acceso accesa
vedere visto
rompere ruppi ruppe rotto rotta rotti rotte
giungere giunsi giunse giunto giunta giunti
dividere divisi divise diviso divisa
uccidere uccisi uccise ucciso uccisa
sedere siedo siedi siede siedono sedette seduto seduta seduti
parere pare parve parso
valere valgo vale valse valso
salire salgo sale salgono salga
apparire appaio appare appaiono apparve apparso apparsa apparsi apparse
scomparire scompaio scompare scompaiono scomparve scomparvero scomparso scomparsa scomparsi scomparse
scoprire scoprii scoprì scoprirono scoperto scoperta scoperti scoperte
soffrire soffrii soffrì soffrirono sofferto sofferta sofferti sofferte
esistere esistette esistettero esistito esistita esistiti esistite
assistere assistette assistito assistita assistiti assistite
insistere insistette insistito insistita insistiti insistite
resistere resistette resistito resistita resistiti resistite
consistere consistette consistito consistita consistiti consistite
persistere persistette persistito persistita persistiti persistite
redigere redassi redasse redassero redatto redatta redatti redatte
imprimere impressi impresse impressero impresso impressa
opprimere oppressi oppresse oppressero oppresso oppressa
reprimere repressi represse repressero represso repressa
sopprimere soppressi soppresse soppressero soppresso soppressa
comprimere compressi compresse compressero compresso compressa
deprimere depressi depresse depressero depresso depressa
percuotere percossi percosse percossero percosso percossa
concludere conclusi concluse conclusero concluso conclusa
escludere esclusi escluse esclusero escluso esclusa
includere inclusi incluse inclusero incluso inclusa
illudere illusi illuse illusero illuso illusa
alludere allusi alluse allusero alluso allusa
deludere delusi deluse delusero deluso delusa
eludere elusi eluse elusero eluso elusa
incidere incisi incise incisero inciso incisa
coincidere coincisi coincise coincisero coinciso coincisa
corrodere corrosi corrose corrosero corroso corrosa
erodere erosi erose erosero eroso erosa
invadere invasi invase invasero invaso invasa
evadere evasi evase evasero evaso evasa
persuadere persuasi persuase persuasero persuaso persuasa
dipendere dipesi dipese dipesero dipeso dipesa
sospendere sospesi sospese sospesero sospeso sospesa
appendere appesi appese appesero appeso appesa
tendere tesi tese tesero teso tesa
offendere offesi offese offesero offeso offesa
nascondere nascosi nascose nascosero nascosto nascosta nascosti nascoste
produrre produco produce producono producevo produceva producevano produssi produsse produssero produrrà prodotto prodotta prodotti prodotte producendo
ridurre riduco riduce riducono riduceva ridussi ridusse ridussero ridurrà ridotto ridotta ridotti ridotte riducendo
introdurre introduco introduce introducono introdussi introdusse introdussero introdotto introdotta introdotti introdotte introducendo
dedurre deduco deduce deducono dedussi dedusse dedotto dedotta dedotti dedotte
indurre induco induce inducono indussi indusse indotto indotta indotti indotte
sedurre seduco seduce seducono sedussi sedusse sedotto sedotta sedotti sedotte
affliggere afflissi afflisse afflissero afflitto afflitta afflitti afflitte
infliggere inflissi inflisse inflissero inflitto inflitta inflitti inflitte
sconfiggere sconfissi sconfisse sconfissero sconfitto sconfitta sconfitti sconfitte
friggere frissi frisse frissero fritto fritta fritti fritte
eleggere elessi elesse elessero eletto eletta eletti elette
proteggere protessi protesse protessero protetto protetta protetti protette
correggere corressi corresse corressero corretto corretta corretti corrette
distruggere distrussi distrusse distrussero distrutto distrutta distrutti distrutte
stringere strinsi strinse strinsero stretto stretta stretti strette
respingere respinsi respinse respinsero respinto respinta respinti respinte
svolgere svolsi svolse svolsero svolto svolta svolti svolte
coinvolgere coinvolsi coinvolse coinvolsero coinvolto coinvolta coinvolti coinvolte
rivolgere rivolsi rivolse rivolsero rivolto rivolta rivolti rivolte
risolvere risolsi risolse risolsero risolto risolta risolti risolte
assolvere assolsi assolse assolsero assolto assolta assolti assolte
cuocere cuocio cuoce cuociono cossi cosse cossero cotto cotta cotti cotte
annettere annessi annesse annessero annesso annessa
connettere connessi connesse connessero connesso connessa
riflettere riflessi riflesse riflessero riflesso riflessa
concedere concessi concesse concessero concesso concessa
emergere emersi emerse emersero emerso emersa
immergere immersi immerse immersero immerso immersa
spargere sparsi sparse sparsero sparso sparsa
confondere confusi confuse confusero confuso confusa
diffondere diffusi diffuse diffusero diffuso diffusa
assumere assunsi assunse assunsero assunto assunta assunti assunte
presumere presunsi presunse presunsero presunto presunta presunti presunte
raccogliere raccolgo raccoglie raccolgono raccolsi raccolse raccolsero raccolto raccolta raccolti raccolte
accogliere accolgo accoglie accolgono accolsi accolse accolsero accolto accolta accolti accolte
sciogliere sciolgo scioglie sciolgono sciolsi sciolse sciolsero sciolto sciolta sciolti sciolte
buono migliore migliori ottimo buona buone buoni
cattivo peggiore peggiori pessimo
grande maggiore maggiori massimo grandi
piccolo minore minori minimo
uomo uomini
dio dei
bue buoi
mano mani
bello bella belle belli bel bei begli
quello quella quelle quelli quel quei quegli
)";

constexpr QStringView Spanish =
    uR"(ser soy eres es somos sois son era eras éramos erais eran fui fuiste fue fuimos fuisteis fueron seré serás será seremos seréis serán sería serías seríamos serían sea seas seamos seáis sean fuera fueras fuéramos fueran fuese fuesen sido siendo sé
estar estoy estás está estamos estáis están estaba estabas estábamos estabais estaban estuve estuviste estuvo estuvimos estuvisteis estuvieron estaré estará estarán estaría estarían esté estés estemos estén estuviera estuvieran estuviese estado estando
haber he has ha hemos habéis han había habías habíamos habían hube hubo hubieron habré habrá habrán habría habrían haya hayas hayamos hayan hubiera hubieras hubieran hubiese habido habiendo hay
tener tengo tienes tiene tenemos tenéis tienen tenía tenían tuve tuviste tuvo tuvimos tuvieron tendré tendrás tendrá tendremos tendrán tendría tendrían tenga tengas tengamos tengan tuviera tuvieran tuviese tenido tenida tenidos teniendo ten
hacer hago haces hace hacemos hacéis hacen hacía hacían hice hiciste hizo hicimos hicieron haré harás hará haremos harán haría harían haga hagas hagamos hagan hiciera hicieran hiciese hecho hecha hechos hechas haciendo haz
ir voy vas va vamos vais van iba ibas íbamos iban fui fuiste fue fuimos fueron iré irás irá iremos irán iría irían vaya vayas vayamos vayan fuera fueran ido yendo ve id
poder puedo puedes puede podemos podéis pueden podía podían pude pudiste pudo pudimos pudieron podré podrás podrá podremos podrán podría podrías podríamos podrían pueda puedas podamos puedan pudiera pudieran pudiese podido pudiendo
decir digo dices dice decimos decís dicen decía decían dije dijiste dijo dijimos dijeron diré dirás dirá diremos dirán diría dirían diga digas digamos digan dijera dijeran dicho dicha dichos dichas diciendo di
ver veo ves ve vemos veis ven veía veías veíamos veían vi viste vio vimos vieron veré verá verán vería vea veas veamos vean viera vieran visto vista vistos vistas viendo
dar doy das da damos dais dan daba daban di diste dio dimos dieron daré dará darán daría dé des demos den diera dieran dado dada dando
saber sé sabes sabe sabemos sabéis saben sabía sabían supe supiste supo supimos supieron sabré sabrá sabrán sabría sepa sepas sepamos sepan supiera supieran sabido sabiendo
querer quiero quieres quiere queremos queréis quieren quería querían quise quisiste quiso quisimos quisieron querré querrá querrán querría querrían quiera quieras queramos quieran quisiera quisieran querido queriendo
poner pongo pones pone ponemos ponéis ponen ponía ponían puse pusiste puso pusimos pusieron pondré pondrá pondrán pondría ponga pongas pongamos pongan pusiera pusieran puesto puesta puestos puestas poniendo pon
venir vengo vienes viene venimos venís vienen venía venían vine viniste vino vinimos vinieron vendré vendrá vendrán vendría venga vengas vengamos vengan viniera vinieran venido viniendo ven
salir salgo sales sale salimos salen salía salió salieron saldré saldrá saldría salga salgan salido saliendo sal
traer traigo traes trae traemos traen traía traje trajo trajeron traiga traigan trajera traído trayendo
oír oigo oyes oye oímos oyen oía oí oyó oyeron oiga oigan oyera oído oyendo
caer caigo caes cae caemos caen caía caí cayó cayeron caiga caigan cayera caído cayendo
leer leo lees lee leemos leen leía leí leyó leyeron lea lean leyera leído leyendo
conocer conozco conozca conozcan
parecer parezco parezca parezcan
nacer nazco nazca nació nacido nacida
crecer crezco crezca
ofrecer ofrezco ofrezca
conducir conduzco conduzca conduje condujo condujeron
producir produzco produzca produje produjo produjeron
traducir traduzco traduzca traduje tradujo tradujeron
morir muero mueres muere morimos mueren murió murieron muera mueran muerto muerta muertos muriendo
escribir escrito escrita escritos escritas
abrir abierto abierta abiertos abiertas
cubrir cubierto cubierta
volver vuelvo vuelves vuelve volvemos vuelven vuelva vuelvan vuelto vuelta
resolver resuelvo resuelve resuelven resuelto resuelta
romper roto rota rotos
andar anduve anduvo anduvieron
valer valgo valga valdrá
caber quepo cupo quepa cabrá
seguir sigo sigues sigue seguimos siguen siguió siguieron siga sigan siguiera siguiendo
pedir pido pides pide pedimos piden pidió pidieron pida pidan pidiera pidiendo
servir sirvo sirves sirve servimos sirven sirvió sirvieron sirva sirvan sirviendo
repetir repito repite repiten repitió repita
elegir elijo eliges elige elegimos eligen eligió eligieron elija elijan eligiendo
dormir duermo duermes duerme dormimos duermen durmió durmieron duerma duerman durmiendo
sentir siento sientes siente sentimos sienten sintió sintieron sienta sientan sintiera sintiendo
preferir prefiero prefieres prefiere prefieren prefirió prefieran
construir construyo construyes construye construimos construyen construyó construyeron construya construyendo
destruir destruyo destruye destruyen destruyó destruya destruyendo
incluir incluyo incluye incluyen incluyó incluyeron incluya incluyendo
huir huyo huye huyen huyó huyeron huya huyendo
jugar juego juegas juega jugamos juegan jugué jugó jugaron juegue jueguen jugando jugado
bueno buena buenos buenas buen mejor mejores óptimo
malo mala malos malas mal peor peores
grande grandes gran mayor mayores máximo
pequeño pequeña pequeños pequeñas menor menores mínimo
)";

constexpr QStringView French =
    uR"(être suis es est sommes êtes sont étais était étions étiez étaient fus fut fûmes furent serai seras sera serons serez seront serais serait serions seraient sois soit soyons soyez soient fût été étant
avoir ai as a avons avez ont avais avait avions aviez avaient eus eut eûmes eurent aurai auras aura aurons aurez auront aurais aurait aurions auraient aie aies ait ayons ayez aient eût eu eue eues ayant
aller vais vas va allons allez vont allais allait allions alliez allaient allai alla allèrent irai iras ira irons irez iront irais irait irions iraient aille ailles aillent allé allée allés allées allant
faire fais fait faisons faites font faisais faisait faisions faisaient fis fit fîmes firent ferai feras fera ferons ferez feront ferais ferait ferions feraient fasse fasses fassions fassent fît faite faits faisant
pouvoir peux peut pouvons pouvez peuvent pouvais pouvait pouvions pouvaient pus put purent pourrai pourras pourra pourrons pourrez pourront pourrais pourrait pourrions pourraient puisse puisses puissions puissent pût pu pouvant
vouloir veux veut voulons voulez veulent voulais voulait voulions voulaient voulus voulut voulurent voudrai voudra voudrons voudront voudrais voudrait voudrions voudraient veuille veuillez veuillent voulu voulue voulant
devoir dois doit devons devez doivent devais devait devions devaient dus dut durent devrai devra devrons devront devrais devrait devrions devraient doive doives doivent dû due dues devant
savoir sais sait savons savez savent savais savait savions savaient sus sut surent saurai saura saurons sauront saurais saurait sache saches sachions sachez sachent su sue sachant
voir vois voit voyons voyez voient voyais voyait voyions voyaient vis vit virent verrai verra verrons verront verrais verrait voie voies vu vue vus vues voyant
venir viens vient venons venez viennent venais venait venions venaient vins vint vinrent viendrai viendra viendrons viendront viendrais viendrait vienne viennes venu venue venus venues venant
tenir tiens tient tenons tenez tiennent tenais tenait tint tinrent tiendrai tiendra tiendrais tiendrait tienne tenu tenue tenus tenues tenant
prendre prends prend prenons prenez prennent prenais prenait prenions prenaient pris prit prirent prendrai prendra prendrons prendront prendrais prendrait prenne prennes prennent prise prises prenant
mettre mets met mettons mettez mettent mettais mettait mis mit mirent mettrai mettra mettrais mettrait mette mettes mise mises mettant
dire dis dit disons dites disent disais disait disions disaient dirai dira dirons diront dirais dirait dise dises disent dite dits disant
partir pars part partons partez partent partais partait partis partit partirai partira parte parti partie partis parties partant
sortir sors sort sortons sortez sortent sortais sortait sortis sortit sortirai sortira sorte sorti sortie sortis sorties sortant
dormir dors dort dormons dormez dorment dormais dormait dormi dormant
sentir sens sent sentons sentez sentent sentais sentait senti sentie sentant
servir sers sert servons servez servent servait servi servie servant
connaître connais connaît connaissons connaissez connaissent connaissais connaissait connus connut connaisse connu connue connus connues connaissant
paraître parais paraît paraissons paraissent paraissait parut paru paraisse
croire crois croit croyons croyez croient croyais croyait crus crut croie cru crue croyant
boire bois boit buvons buvez boivent buvais buvait but boive bu bue buvant
écrire écris écrit écrivons écrivez écrivent écrivais écrivait écrivit écrive écrite écrits écrites écrivant
lire lis lit lisons lisez lisent lisais lisait lut lise lu lue lus lues lisant
vivre vis vit vivons vivez vivent vivais vivait vécus vécut vive vécu vécue vivant
suivre suis suit suivons suivez suivent suivais suivait suivit suive suivi suivie suivant
ouvrir ouvre ouvres ouvrons ouvrez ouvrent ouvrais ouvrait ouvrit ouvrira ouvert ouverte ouverts ouvertes ouvrant
offrir offre offres offrons offrent offrait offrit offert offerte offerts
mourir meurs meurt mourons mourez meurent mourait mourut mourra meure mort morte morts mortes mourant
naître nais naît naissons naissent naissait naquit naquirent né née nés nées naissant
falloir faut fallait fallut faudra faudrait faille fallu
pleuvoir pleut pleuvait plut pleuvra plu
recevoir reçois reçoit recevons recevez reçoivent recevait reçut recevra reçoive reçu reçue reçus recevant
apercevoir aperçois aperçoit aperçut aperçu aperçue
plaire plais plaît plaisent plaisait plut plu
rire ris rit rions rient riait rit ri riant
conduire conduis conduit conduisons conduisent conduisait conduisit conduise conduite conduits
craindre crains craint craignons craignent craignait craignit craigne crainte craignant
peindre peins peint peignons peignent peignait peinte
joindre joins joint joignons joignent joignait jointe
résoudre résous résout résolvons résolvent résolut résolu résolue
valoir vaux vaut valons valent valait valut vaudra vaudrait vaille valu
asseoir assieds assied asseyons asseyent assis assise
tout toute tous toutes
beau belle beaux belles bel
nouveau nouvelle nouveaux nouvelles nouvel
vieux vieille vieilles vieil
fou folle fous folles fol
bon bonne bons bonnes meilleur meilleure meilleurs meilleures
mauvais mauvaise mauvaises pire pires
œil yeux
ciel cieux
travail travaux
)";

constexpr QStringView Swedish = uR"(vara är var varit varande
ha har hade haft havande hades
gå går gick gått gången gånget gångna gås
se ser såg sett sedd sett sedda ses sågs setts
få får fick fått
ge ger gav gett givit given givet givna ges gavs getts givits
göra gör gjorde gjort gjord gjorda gjordes gjorts
säga säger sa sade sagt sagd sagda sades sagts
komma kommer kom kommit kommen kommet komna
ta tar tog tagit tagen taget tagna togs tagits
stå står stod stått
veta vet visste vetat
kunna kan kunde kunnat
vilja vill ville velat
skola ska skall skulle skolat
böra bör borde bort
finnas finns fanns funnits
bli blir blev blivit bliven blivet blivna
sitta sitter satt suttit
ligga ligger låg legat
dricka dricker drack druckit drucken druckna dracks druckits
äta äter åt ätit äten ätna åts ätits
sova sover sov sovit
springa springer sprang sprungit
sjunga sjunger sjöng sjungit sjungen sjöngs sjungits
finna finner fann funnit funnen
förstå förstår förstod förstått förstådd
sätta sätter satte satt satta sattes satts
lägga lägger lade la lagt lagd lagda lades lagts
dö dör dog dött
tro tror trodde trott trodd
bo bor bodde bott
heta heter hette hetat
gråta gråter grät gråtit
låta låter lät låtit
flyga flyger flög flugit flögs flugits
välja väljer valde valt vald valda valdes valts
sälja säljer sålde sålt såld sålda såldes sålts
bära bär bar burit buren burna burits
dra drar drog dragit dragen dragna drogs dragits
slå slår slog slagit slagen slagna slogs slagits
hålla håller höll hållit hållen hölls hållits
falla faller föll fallit fallen
skriva skriver skrev skrivit skriven skrivet skrivna skrevs skrivits
bita biter bet bitit bitits
driva driver drev drivit drevs drivits
glida glider gled glidit
lida lider led lidit
rida rider red ridit
skina skiner sken skinit
stiga stiger steg stigit
vrida vrider vred vridit vreds vridits
bjuda bjuder bjöd bjudit bjuden bjöds bjudits
bryta bryter bröt brutit bruten bröts brutits
flyta flyter flöt flutit
frysa fryser frös frusit
njuta njuter njöt njutit njöts njutits
skjuta skjuter sköt skjutit skjuten skjutits
binda binder band bundit bunden bundits
brinna brinner brann brunnit
hinna hinner hann hunnit hanns hunnits
vinna vinner vann vunnit vunnen vanns vunnits
försvinna försvinner försvann försvunnit försvunnen
spricka spricker sprack spruckit
sticka sticker stack stuckit stacks stuckits
stjäla stjäl stal stulit stulen stals stulits
skära skär skar skurit skuren skars skurits
fara far for farit
gälla gäller gällde gällt
sova sover sov sovit
vänja vänjer vande vant van
glädja gläder glädjer gladde gläds gladdes
bra bättre bäst bästa
god goda gott bättre bäst bästa
stor stora stort större störst största
liten lilla litet små mindre minst minsta
gammal gamla gammalt äldre äldst äldsta
ung unga ungt yngre yngst yngsta
lång långa långt längre längst längsta
hög höga högt högre högst högsta
låg låga lågt lägre lägst lägsta
tung tunga tungt tyngre tyngst tyngsta
många fler flera flest
dålig dåliga dåligt sämre sämst värre värst
man mannen män männen mannens mans mäns männens
kvinna kvinnan kvinnor kvinnorna kvinnas kvinnans kvinnors kvinnornas
barn barnet barnen barnets barns barnens
bok boken böcker böckerna boks bokens böckers böckernas
hand handen händer händerna hands handens händers händernas
land landet länder länderna landen lands landets länders ländernas landens
stad staden städer städerna stads stadens städers städernas
natt natten nätter nätterna natts nattens nätters nätternas
fot foten fötter fötterna fots fotens fötters fötternas
tand tanden tänder tänderna tands tandens tänders tändernas
mus musen möss mössen musens mössens
gås gåsen gäss gässen gåsens gässens
bror brodern bröder bröderna brors broderns bröders brödernas
far fadern fäder fäderna fars faderns fäders fädernas
mor modern mödrar mödrarna mors moderns mödrars mödrarnas
dotter dottern döttrar döttrarna dotters dotterns döttrars döttrarnas
son sonen söner sönerna sons sonens söners sönernas
vän vännen vänner vännerna vänners väns vännens vännernas
öga ögat ögon ögonen ögas ögats ögons ögonens
öra örat öron öronen öras örats örons öronens
)";

constexpr QStringView Arabic = uR"(كتاب كتب
ولد أولاد
بيت بيوت
رجل رجال
يوم أيام
شهر أشهر شهور
سنة سنوات سنين
مدينة مدن
بلد بلاد بلدان
دولة دول
طالب طلاب طلبة
مدرسة مدارس
قلب قلوب
عين عيون
باب أبواب
صديق أصدقاء
وادي وديان أودية
شيخ شيوخ
نهر أنهار
جبل جبال
بحر بحار
علم علوم
عالم علماء
أمر أمور
شيء أشياء
حق حقوق
مكان أماكن
وقت أوقات
فكرة أفكار
طريق طرق
شخص أشخاص
اسم أسماء
عمل أعمال
سؤال أسئلة
حرف حروف
درس دروس
قلم أقلام
لون ألوان
نوع أنواع
جزء أجزاء
حال أحوال
سبب أسباب
شعب شعوب
حرب حروب
جيش جيوش
ملك ملوك
أخ إخوة إخوان
أب آباء
ابن أبناء
أخ أخو أخي أخا
أب أبو أبي أبا
امرأة مرأة
بنت بنات
امرأة نساء
طفل أطفال
صورة صور
غرفة غرف
سوق أسواق
ليلة ليال ليالي
قرية قرى
دار دور
مسجد مساجد
مكتب مكاتب
وزير وزراء
رئيس رؤساء
قائد قادة
عضو أعضاء
نجم نجوم
شجرة أشجار
فصل فصول
قصة قصص
رسالة رسائل
حديقة حدائق
جريدة جرائد
طبيب أطباء
شاعر شعراء
كاتب كتاب
تاجر تجار
عامل عمال
مسألة مسائل
وسيلة وسائل
منطقة مناطق
مشكلة مشاكل مشكلات
نتيجة نتائج
تجربة تجارب
دقيقة دقائق
حقيقة حقائق
طريقة طرق طرائق
قاعدة قواعد
فائدة فوائد
جانب جوانب
موقع مواقع
مصدر مصادر
مجلس مجالس
معنى معاني
يد أيد أيادي
رأس رؤوس
وجه وجوه
شارع شوارع
إصبع أصابع
جديد جدد
كبير كبار
صغير صغار
قديم قدماء
فقير فقراء
غني أغنياء
جميل جميلة
صاحب أصحاب
صف صفوف
سطر سطور
بنك بنوك
فندق فنادق
مطعم مطاعم
ملعب ملاعب
مصنع مصانع
منزل منازل
مبنى مبان مباني
مرض أمراض
دواء أدوية
غذاء أغذية
نبي أنبياء
قرن قرون
فن فنون
جسم أجسام
جسد أجساد
قلب أفئدة
نفس أنفس نفوس
روح أرواح
عدو أعداء
جار جيران
ضيف ضيوف
عيد أعياد
شمس شموس
بئر آبار
خبر أخبار
حزب أحزاب
سلاح أسلحة
حدث أحداث
هدف أهداف
شرط شروط
حد حدود
مال أموال
سعر أسعار
ثمن أثمان
رقم أرقام
عدد أعداد
قسم أقسام
ركن أركان
مركز مراكز
مجتمع مجتمعات
جهاز أجهزة
برنامج برامج
موضوع مواضيع موضوعات
مشروع مشاريع مشروعات
أسلوب أساليب
أسبوع أسابيع
تاريخ تواريخ
صندوق صناديق
سلعة سلع
خبير خبراء
صحيفة صحف
بحث أبحاث بحوث
فرصة فرص
زعيم زعماء
نائب نواب
سفير سفراء
ماء مياه
دين ديون أديان
قرض قروض
ربح أرباح
خسارة خسائر
راتب رواتب
أجر أجور
معركة معارك
ضابط ضباط
صاروخ صواريخ
تقرير تقارير
محكمة محاكم
قاضي قضاة
سجين سجناء
أسير أسرى
ضحية ضحايا
قتيل قتلى
جريح جرحى
شهيد شهداء
ساكن سكان
حي أحياء
قريب أقارب
أمة أمم
عين أعين
يد أيدي
رجل أرجل
سن أسنان
لحم لحوم
فاكهة فواكه
ثمرة ثمار
ملبس ملابس
ثوب ثياب
غيم غيوم
مطر أمطار
ريح رياح
زهرة زهور
عام أعوام
عقد عقود
ثانية ثوان
رسول رسل
ذنب ذنوب
ألم آلام
أمل آمال
حلم أحلام
ألف آلاف
مليون ملايين
طرف أطراف
لجنة لجان
تلميذ تلاميذ
أستاذ أساتذة
نظام أنظمة
فيلم أفلام
نادي أندية
نقطة نقاط
أرض أراض أراضي
صوت أصوات
عقل عقول
دم دماء
أمير أمراء
إمام أئمة
شريك شركاء
زميل زملاء
عميل عملاء
مريض مرضى
جهد جهود
منصب مناصب
فرع فروع
كادر كوادر
نموذج نماذج
مثال أمثلة
دور أدوار
نشاط أنشطة
قبيلة قبائل
زوج أزواج
شاب شبان
جدار جدران
نافذة نوافذ
سفينة سفن
حجر حجارة
طعام أطعمة
كلب كلاب
ضرر أضرار
خطر أخطار
طائفة طوائف
كنيسة كنائس
جد أجداد
رسم رسوم
مولود مواليد
حديث أحاديث
أدب آداب
معرفة معارف
تعليم تعاليم
امرأة نسوة
لبن ألبان
فرعون فراعنة
حين أحيان
ماشية مواشي
ثقل أثقال
حاج حجيج
وسخ أوساخ
أكبر أكابر
ربع أرباع
منحى مناحي
هندي هنود
عنوان عناوين
شريحة شرائح
دائرة دوائر
سكة سكك
مصرف مصارف
وعاء أوعية
خيط خيوط
حصة حصص
راعي رعاة
حقيبة حقائب
درع دروع
عقرب عقارب
هيكل هياكل
تصريح تصاريح
قمة قمم
قوة قوى
سفر أسفار
شعاع أشعة
شغل أشغال
)";

// Voikko finds the Finnish pronouns of "each" as kuka and kumpi with the particle -kin
// (kuhunkin: "to whom, too").
constexpr QStringView Finnish =
    uR"(kukin kunkin kutakin kussakin kustakin kuhunkin kullakin kultakin kullekin kunakin kuksikin
kuka kenen kenet ketä kehen keneen kenessä kenestä kenellä keneltä kenelle kenenä keneksi ketkä keitä keiden keihin keissä keistä keillä keiltä keille
kukaan kenenkään ketään kehenkään keneenkään kenessäkään kenestäkään kenelläkään keneltäkään kenellekään kenenäkään keneksikään keitäkään
kumpikin kummankin kumpaakin kummassakin kummastakin kumpaankin kummallakin kummaltakin kummallekin kumpanakin kummaksikin kummatkin kumpiakin
)";

constexpr QStringView ItalianWithoutFeminine = uR"(
abbandono abbraccio abuso accenno accordo accumulo acquisto affitto affronto aggancio albergo
albo alimento alloggio angelo angolo animo anno annuncio anticipo appello appoggio apporto
approdo archivio argento argomento arresto articolo ascolto aspetto assegno attacco attraverso
aumento avanzo avvio avviso azzardo bacio bagno baleno ballo balzo banco baratto batterio becco
beneficio berretto bilancio bisogno blocco branco brio bronzo buco busto calcio callo calo
cambio campanello campeggio campo cancello canto capanno capello cappello caramello carbonio
carretto cartello casco caso cassetto castoro cavalletto centro ceppo cerchio cero cesso cesto
ceto chicco chilo cibo ciliegio circolo coccio collasso colletto collo coloro colpo commento
commodoro compenso complimento concetto concilio conforto confronto cono consiglio consumo
contatto contesto conto contrasto contro controllo cornetto coro corsetto cosmo costo covo
crollo cubo dado debutto decollo decoro decreto degrado dialogo disegno disgusto disprezzo
distacco disturbo divorzio documento dono elenco elogio entro entusiasmo esonero etto faro
feltro filtro fischio foglio foro freno fumo galletto gallo gambo garbo genero getto gioco giro
globo governo grado graffio granello grano guadagno gusto imbarazzo imbarco imbocco impatto
impegno impero impiego incanto incasso incendio inciampo incontro incremento incrocio
indebitamento indirizzo ingaggio inganno inizio innesto inno insulto intreccio intrigo invio
lamento lancio lavoro libro loro lotto maggio maglio maniero mano manto martello mazzo meno modo
molo monumento moto motto naso nocciolo noleggio nuoto obbligo odio ometto orco orto ostacolo
pacco paletto palmo palo pannello panno paradiso parcheggio pareggio pastello pasto patto perno
peso pezzo picco piglio piolo piombo pizzo pollo polo popolo pozzo pranzo premio presso presto
privilegio profilo profumo progetto prospetto racconto raddoppio raduno ramo rapporto razzo
reclamo recupero regalo registro regno regolamento remo respiro responso resto rialzo riavvio
ricambio ricatto ricavo richiamo riciclo ricordo rientro rifugio rigetto rigo riguardo rilancio
rimbalzo rimborso rimedio rimprovero rinforzo rinnovo rinvio riparo ripudio risalto riscatto
rischio riscontro risparmio rispetto risveglio ritardo ritiro ritorno rotolo sacco salto sambuco
satiro sbaglio sbarco sblocco scalo scambio scapolo scarto scatto scavo schermo scherzo schianto
schifo schizzo sconto scontro scopo secchio segno senno seno senso sequestro sesso sfogo sforzo
silo snodo soffio soffitto soggiorno sogno sorpasso sorriso sorso sospiro spaccio spavento
spazio specchio spicco spillo spreco spruzzo spunto squarcio squillo stallo stampo stento
stimolo strappo strillo studio stupro suolo suono sussurro sviluppo tacco taglio tango tappo
tasso tasto tavolo telefono tempio testo tetto tifo timo tiro titolo tomo tono tormento toro
tramonto trasporto trio trionfo tubo tuffo tuono universo uranio urto utilizzo varco varo vello
velo verso viaggio vincolo viso volo voto zoccolo
)";

} // namespace

QStringView italianNounsWithoutFeminine()
{
    return ItalianWithoutFeminine;
}

QStringView irregularForms(DictionaryId id)
{
    switch (id) {
    case DictionaryId::English:
    case DictionaryId::ComputerAndInternet:
        return English;
    case DictionaryId::German:
        return German;
    case DictionaryId::Italian:
        return Italian;
    case DictionaryId::Spanish:
        return Spanish;
    case DictionaryId::French:
        return French;
    case DictionaryId::Swedish:
        return Swedish;
    case DictionaryId::Arabic:
        return Arabic;
    case DictionaryId::Finnish:
        return Finnish;
    }
    return {};
}

} // namespace lexaro
