100004
Fråga 1  Växter
Vad behöver en växt för att kunna göra fotosyntes?
r Solljus
r Koldioxid
f Syre
r Vatten
f Socker

bild

Fråga 2  Årstider
Vilken årstid visar bilden?
f Vinter
r Sommar
f Höst
f Vår
reserv

foto.jpg

Fråga 3  Djur
Vilket av djuren är ett däggdjur?
f Gädda
r Älg
f Huggorm
f Gråsparv
reserv

bild

SVAR Motivera
Varför är bin viktiga för många växter? Motivera ditt svar.




reserv

bild

SLUT









