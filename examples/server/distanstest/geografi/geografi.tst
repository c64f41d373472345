100005
Fråga 1  Huvudstäder
Vilken stad är Norges huvudstad?
f Bergen
r Oslo
f Trondheim
f Stavanger
reserv

bild

BILDSVAR Staden på kartan
Vilken stad är markerad med en röd punkt på kartan? Skriv stadens namn.
r Stockholm



reserv

karta.gif

KLIC Klicka på Gotland
Kartan visar en del av Östersjön. Klicka på ön Gotland.
r Besvarad
f Miss


reserv
X4750-5650.Y1875-3525
bild

Fråga 4  Landskap
Vilka av landskapen ligger i Norrland?
r Lappland
f Skåne
r Jämtland
f Småland
r Ångermanland

bild

SVAR Beskriv
Beskriv kort hur inlandsisen har format det svenska landskapet.




reserv

bild

SLUT









