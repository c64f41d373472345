100005
Fråga 1  Krafter
I vilken enhet mäts kraft?
r newton
f joule
f watt
f pascal
reserv

bild
Kapitel 2 i boken
Fråga 2  Ljus
Vilka påståenden om ljus är sanna? Det kan finnas flera rätta svar.
r Ljus kan färdas genom vakuum
f Ljus behöver luft för att färdas
r Ljusets fart i vakuum är ungefär 300 000 km/s
f Vitt ljus består av en enda färg
f Ljus bryts aldrig när det går in i vatten

bild

Fråga 3  Cirkeln
Bilden visar en cirkel med radien r. Vilken formel ger cirkelns omkrets O?
f O = pi·r²
r O = 2·pi·r
f O = 2·r
f O = pi·r
reserv

cirkel.bmp

KLIC Klicka på magnetens nordpol
Klicka i bilden på den ände av magneten som är nordpol.
r Besvarad
f Miss


reserv
X1450-3250.Y1950-2850
bild

SVAR Förklara
Förklara med egna ord varför en isbit flyter på vatten.




reserv

bild

SLUT









