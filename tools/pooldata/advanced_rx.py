"""Advanced topic 6: receivers."""

import math

from advanced_calc import calc, parse, si, num, unit_fmt, plain_fmt


def lo_freq(frf, fif):
    c = frf + fif
    # Slips: LO below instead of above, the image, the IF or the signal
    # taken for the LO, the IF counted twice.
    return calc(
        "A receiver with a %s IF uses a local oscillator above the signal. What LO frequency is needed to receive %s?" % (si(fif, "Hz", "en"), si(frf, "Hz", "en")),
        "Un r\u00e9cepteur \u00e0 FI de %s utilise un oscillateur local plac\u00e9 au-dessus du signal. Quelle fr\u00e9quence d'OL faut-il pour recevoir %s ?" % (si(fif, "Hz", "fr"), si(frf, "Hz", "fr")),
        [c, abs(frf - fif), frf + 2 * fif, fif * 2, frf, fif, frf + fif / 2, 2 * frf + fif], unit_fmt("Hz", 5))


def image(frf, fif, high):
    c = frf + 2 * fif if high else frf - 2 * fif
    side_en = "above" if high else "below"
    side_fr = "au-dessus" if high else "au-dessous"
    # Slips: the image on the wrong side, the LO itself, one IF instead of
    # two, four IFs, the LO on the other side.
    if high:
        slips = [c, abs(frf - 2 * fif), frf + fif, frf + 4 * fif, abs(frf - fif), frf + 3 * fif, frf + fif / 2]
    else:
        slips = [c, frf + 2 * fif, frf - fif, abs(frf - 4 * fif), frf + fif, abs(frf - 3 * fif), frf - fif / 2]
    return calc(
        "A receiver with a %s IF and its LO %s the signal is tuned to %s. What is the image frequency?" % (si(fif, "Hz", "en"), side_en, si(frf, "Hz", "en")),
        "Un r\u00e9cepteur \u00e0 FI de %s, dont l'OL est %s du signal, est accord\u00e9 sur %s. Quelle est la fr\u00e9quence image ?" % (si(fif, "Hz", "fr"), side_fr, si(frf, "Hz", "fr")),
        slips, unit_fmt("Hz", 5))


def noise_floor(bw, nf):
    c = -174 + 10 * math.log10(bw) + nf
    # Slips: bandwidth left out, 20 log for a power ratio, noise figure
    # subtracted or left out, bandwidth taken in kHz, noise figure doubled.
    return calc(
        "A receiver's noise figure is %s dB and its bandwidth %s. Taking -174 dBm/Hz, what is its noise floor?" % (num(nf, "en"), si(bw, "Hz", "en")),
        "Un r\u00e9cepteur a un facteur de bruit de %s dB et une bande passante de %s. Avec -174 dBm/Hz, quel est son plancher de bruit ?" % (num(nf, "fr"), si(bw, "Hz", "fr")),
        [c, -174 + nf, -174 + 20 * math.log10(bw) + nf, c - 2 * nf, c - nf,
         -174 + 10 * math.log10(bw / 1000.0) + nf, c + nf],
        plain_fmt(" dBm", " dBm", 3))


def imd3(f1, f2):
    lo, hi = 2 * f1 - f2, 2 * f2 - f1
    return calc(
        "Strong signals on %s and %s reach a receiver. Where do their third-order intermodulation products fall?" % (si(f1, "Hz", "en"), si(f2, "Hz", "en")),
        "Des signaux forts sur %s et %s atteignent un r\u00e9cepteur. O\u00f9 tombent leurs produits d'intermodulation du troisi\u00e8me ordre ?" % (si(f1, "Hz", "fr"), si(f2, "Hz", "fr")),
        [(lo, hi), (f2 - f1, f1 + f2), (2 * f1, 2 * f2), (3 * f1, 3 * f2)],
        lambda v, lang: "%s %s %s" % (si(v[0], "Hz", lang, 5), "and" if lang == "en" else "et", si(v[1], "Hz", lang, 5)))


def s_diff(s1, s2):
    n = s2 - s1
    c = 6 * n
    # Slips: S-units taken for dB, 3 dB or 5 dB or 10 dB per unit, one unit
    # too many or too few counted.
    return calc(
        "A signal rises from S%d to S%d on an S-meter of 6 dB per S-unit. By how much has it risen?" % (s1, s2),
        "Un signal passe de S%d \u00e0 S%d sur un S-m\u00e8tre de 6 dB par unit\u00e9 S. De combien a-t-il augment\u00e9 ?" % (s1, s2),
        [c, n, 3 * n, 10 * n, 6 * (n + 1), 6 * (n - 1), 5 * n, 20 * n], plain_fmt(" dB", " dB"))


def shape(b6, b60):
    c = b60 / b6
    # Slips: the ratio upside down, the excess width over the -6 dB width,
    # the ratio squared, doubled or halved, one added.
    return calc(
        "A filter is %s wide at -6 dB and %s wide at -60 dB. What is its shape factor?" % (si(b6, "Hz", "en"), si(b60, "Hz", "en")),
        "Un filtre a une largeur de %s \u00e0 -6 dB et de %s \u00e0 -60 dB. Quel est son facteur de forme ?" % (si(b6, "Hz", "fr"), si(b60, "Hz", "fr")),
        [c, b6 / b60, c - 1, c * c, c * 2, c / 2, c + 1], plain_fmt("", "", 3))


S_SUPERHET = parse("""
What is the main idea of the superheterodyne receiver?
Signals are converted to one fixed IF that provides most gain and selectivity
Signals are amplified on their own frequency by stages that tune together
Signals are mixed straight down to audio by an oscillator on their frequency
Signals are sampled at the antenna and all filtering is done in software
Quel est le principe du récepteur superhétérodyne ?
Les signaux passent sur une FI fixe où se font l'essentiel du gain et de la sélectivité
Les signaux sont amplifiés sur leur propre fréquence par des étages accordés ensemble
Les signaux sont ramenés directement en audio par un oscillateur sur leur fréquence
Les signaux sont échantillonnés à l'antenne et tout le filtrage est fait par logiciel

What is an advantage of a superheterodyne receiver over a tuned radio frequency (TRF) receiver?
Its selectivity and gain stay nearly constant across the tuning range
It is free of image responses, since every signal meets one fixed filter
It needs no resonant circuit ahead of the detector, only the IF filter
Its mixer makes it harder to overload with strong nearby signals
Quel est l'avantage d'un récepteur superhétérodyne sur un récepteur à amplification directe (TRF) ?
Sa sélectivité et son gain restent presque constants sur toute la plage
Il échappe aux fréquences images, car chaque signal traverse le même filtre fixe
Il n'a besoin d'aucun circuit accordé avant le détecteur, hormis le filtre FI
Son mélangeur le rend plus difficile à saturer par des signaux forts voisins

Which are benefits of a tuned RF amplifier ahead of the mixer?
Better sensitivity and image rejection, and less radiation of the LO
Better adjacent-channel selectivity and steeper IF filter skirts
Fewer intermodulation products and better strong-signal handling
Lower phase noise from the oscillator and much less reciprocal mixing
Quels avantages apporte un amplificateur HF accordé placé avant le mélangeur ?
Plus de sensibilité et de réjection de l'image, et moins de rayonnement de l'OL
Plus de sélectivité sur le canal adjacent et des flancs de filtre FI plus raides
Moins d'intermodulation au mélangeur et une meilleure tenue aux signaux forts
Moins de bruit de phase de l'oscillateur et moins de mélange réciproque

Why does a receiver need a beat frequency oscillator (BFO) or carrier oscillator to receive CW and SSB?
A local carrier must beat with them to produce audio tones
The BFO raises the gain of the IF stages enough to hear weak signals
It cancels the image frequency before the signal reaches the detector
It shifts the signal into the passband of the IF filter so that it is heard
Pourquoi un récepteur a-t-il besoin d'un oscillateur de battement (BFO) pour recevoir la télégraphie et la BLU ?
Une porteuse locale doit battre avec le signal pour produire l'audio
Le BFO augmente assez le gain des étages FI pour entendre les signaux faibles
Il annule la fréquence image avant que le signal n'atteigne le détecteur
Il décale le signal dans la bande passante du filtre FI pour qu'il soit entendu

How does a direct-conversion receiver work?
It converts straight to audio, with its oscillator on the signal frequency
It detects the signal at the antenna with a diode and no oscillator
It changes the signal twice, to a high and then a low IF, before detection
It mixes the signal to a fixed IF and detects it with a product detector
Comment fonctionne un récepteur à conversion directe ?
Il convertit directement en audio, l'oscillateur sur la fréquence du signal
Il détecte le signal à l'antenne avec une diode, sans aucun oscillateur
Il change deux fois de fréquence, vers une FI haute puis basse, avant détection
Il mélange le signal vers une FI fixe et le détecte par un détecteur de produit

What is a drawback of a simple direct-conversion receiver for SSB?
The two sidebands are heard, as nothing rejects the unwanted one
It needs a separate BFO to make CW and SSB signals audible
Its IF filter must be wide enough to pass both sidebands at once
Its audio output is too weak to hear without an IF amplifier
Quel est l'inconvénient d'un récepteur simple à conversion directe pour la BLU ?
Il reçoit les deux bandes latérales, rien ne rejetant l'autre
Il lui faut un BFO séparé pour rendre audibles la télégraphie et la BLU
Son filtre FI doit être assez large pour passer les deux bandes à la fois
Sa sortie audio est trop faible pour être entendue sans ampli FI

Why does a direct-sampling SDR need a low-pass filter ahead of its analogue-to-digital converter?
Signals above half the sample rate would fold back as aliases
It removes the quantisation noise added by the converter's last bits
The converter then needs fewer bits of resolution for the same range
It sets the channel bandwidth that is finally heard in the loudspeaker
Pourquoi un SDR à échantillonnage direct a-t-il besoin d'un filtre passe-bas avant son convertisseur analogique-numérique ?
Des signaux au-delà de la moitié de la fréquence d'échantillonnage se replieraient
Il élimine le bruit de quantification ajouté par le convertisseur
Le convertisseur a alors besoin de moins de bits pour la même dynamique
Il fixe la bande passante du canal finalement entendue au haut-parleur

What is the purpose of the IF amplifier in a superheterodyne receiver?
To provide most of the gain at a fixed frequency, under AGC
To set the overall noise figure, as the first stage with gain
To raise the signal before the mixer so that images are rejected
To reject signals on the image frequency, twice the IF away
Quel est le rôle de l'amplificateur FI d'un récepteur superhétérodyne ?
Fournir l'essentiel du gain sur une fréquence fixe, sous la CAG
Fixer le facteur de bruit global, en tant que premier étage à gain
Relever le signal avant le mélangeur pour que l'image soit rejetée
Rejeter les signaux sur la fréquence image, située à deux FI de distance

While tuned to 3.700 MHz, a single-conversion receiver with a 455 kHz IF and its local oscillator above the signal picks up a strong broadcast station that is really on 4.610 MHz. What is happening?
The station is on the image frequency, 910 kHz above the tuned one
The station's signal leaks straight into the IF stages through poor screening
The BFO is beating with the station's carrier to give an audible whistle
The front end is overloaded and the station's modulation crosses onto 3.700 MHz
Accordé sur 3,700 MHz, un récepteur à simple changement de fréquence, à FI de 455 kHz et oscillateur local au-dessus du signal, capte une puissante station de radiodiffusion qui émet en réalité sur 4,610 MHz. Que se passe-t-il ?
La station est sur la fréquence image, 910 kHz au-dessus de l'accord
Le signal de la station pénètre directement dans les étages FI, mal blindés
Le BFO bat avec la porteuse de la station et produit un sifflement audible
L'entrée est saturée et la modulation de la station se reporte sur 3,700 MHz
""") + [
    lo_freq(14.2e6, 9e6),
    lo_freq(7.15e6, 10.7e6),
]

S_IMAGE = parse("""
What is the image frequency of a superheterodyne receiver?
A second frequency, past the LO, that also reaches the IF
A leak of the local oscillator's own frequency into the IF
A harmonic of the IF that falls back onto the tuned frequency
A frequency one IF away from the tuned one, on the LO's side
Qu'est-ce que la fréquence image d'un récepteur superhétérodyne ?
Une seconde fréquence, au-delà de l'OL, qui donne aussi la FI
Une fuite de la fréquence propre de l'oscillateur local dans la FI
Une raie harmonique de la FI qui retombe sur la fréquence d'accord
Une fréquence située à une FI de celle reçue, du côté de l'OL

How does the choice of IF affect image rejection and selectivity?
A high IF helps image rejection; a low IF helps narrow filtering
A high IF helps both image rejection and narrow filtering
A low IF helps image rejection; a high IF helps narrow filtering
A low IF helps both image rejection and narrow filtering
Comment le choix de la FI influe-t-il sur la réjection de l'image et la sélectivité ?
Une FI haute aide la réjection de l'image ; une FI basse, le filtrage étroit
Une FI haute aide à la fois la réjection de l'image et le filtrage étroit
Une FI basse aide la réjection de l'image ; une FI haute, le filtrage étroit
Une FI basse aide à la fois la réjection de l'image et le filtrage étroit

Why do many receivers use double conversion?
A high first IF stops images; a low second one gives selectivity
The two conversions cancel the phase noise of the two oscillators
The second mixer removes the image that the first mixer creates
Each conversion lowers the noise figure of the stages that follow
Pourquoi de nombreux récepteurs utilisent-ils un double changement de fréquence ?
Une première FI haute rejette l'image, une seconde basse assure la sélectivité
Les deux conversions annulent le bruit de phase des deux oscillateurs locaux
Le second mélangeur élimine l'image créée par le premier
Chaque conversion abaisse le facteur de bruit des étages qui suivent

Which part of a superheterodyne receiver must reject the image frequency?
The tuned circuits before the mixer
The IF filter that follows the mixer
The audio filter after the detector
The AGC loop acting on the IF stages
Dans un récepteur superhétérodyne, qu'est-ce qui doit rejeter la fréquence image ?
Les circuits accordés avant le mélangeur
Le filtre FI placé juste après le mélangeur
Le filtre audio qui suit le détecteur
La boucle de CAG qui agit sur les étages FI

What is IF breakthrough and how is it cured?
A strong signal on the IF leaks through; an IF trap cures it
A self-oscillating IF stage; lowering the RF gain cures it
A signal on the image gets through; a wider IF filter cures it
A strong signal beside the wanted one; a notch filter cures it
Qu'est-ce que la réception directe de la FI et comment y remédie-t-on ?
Un signal fort sur la FI passe tout droit ; un bouchon FI y remédie
Un étage FI qui entre en oscillation ; baisser le gain HF y remédie
Un signal sur l'image passe ; un filtre FI plus large y remédie
Un signal fort à côté du signal utile ; un filtre réjecteur y remédie

What are birdies in a receiver?
Carriers at fixed dial points from the set's own oscillators
Short bursts of noise from lightning in distant thunderstorms
Tones heard when two strong stations mix in the front end
Chirps from ionospheric sounders sweeping across the band
Que sont les « birdies » dans un récepteur ?
Des porteuses fixes, dues aux oscillateurs internes du poste
Des salves de bruit brèves dues à la foudre d'orages lointains
Des tonalités dues au mélange de deux stations fortes dans l'entrée
Des gazouillis de sondeurs ionosphériques qui balaient la bande

A direct-sampling receiver clocked at 100 MHz has no filter ahead of its converter. At what frequency does a strong 70 MHz signal appear?
30 MHz
40 MHz
35 MHz
65 MHz
Un récepteur à échantillonnage direct cadencé à 100 MHz n'a aucun filtre avant son convertisseur. À quelle fréquence apparaît un signal fort sur 70 MHz ?
30 MHz
40 MHz
35 MHz
65 MHz

Why can harmonics of the local oscillator produce spurious responses?
Harmonics convert other incoming frequencies down to the IF as well
Harmonics add phase noise that masks weak signals near the tuned one
Harmonics beat with the BFO and produce whistles in the audio
Harmonics overload the IF filter, which then lets the image pass
Pourquoi les harmoniques de l'oscillateur local peuvent-ils produire des réponses parasites ?
Les harmoniques convertissent aussi d'autres fréquences reçues sur la FI
Les harmoniques ajoutent un bruit de phase masquant les signaux voisins
Les harmoniques battent avec le BFO et produisent des sifflements audio
Les harmoniques saturent le filtre FI, qui laisse alors passer l'image

A 2 m receiver with a 10.7 MHz IF and its local oscillator below the signal suffers from a voice heard on 145.5 MHz whenever an aircraft transmits nearby, although nobody is on the 2 m channel. Aircraft voice channels lie around 118 to 137 MHz. Which explanation fits, and what cures it?
An image from aircraft on 124.1 MHz; better selectivity before the mixer
Intermodulation in the mixer; a narrower 10.7 MHz filter after it
IF breakthrough at 10.7 MHz; a trap tuned to 10.7 MHz at the input
A harmonic of the aircraft signal; a high-pass filter near 100 MHz
Un récepteur 2 m à FI de 10,7 MHz, dont l'oscillateur local est au-dessous du signal, fait entendre une voix sur 145,5 MHz chaque fois qu'un avion émet à proximité, alors que personne n'est sur le canal 2 m. Les canaux de phonie aéronautique se situent vers 118 à 137 MHz. Quelle explication convient, et quel est le remède ?
Une image d'un avion sur 124,1 MHz ; plus de sélectivité avant le mélangeur
Une intermodulation dans le mélangeur ; un filtre 10,7 MHz plus étroit après lui
Une réception directe de la FI sur 10,7 MHz ; un bouchon sur 10,7 MHz en entrée
Une émission harmonique de l'avion ; un filtre passe-haut réglé vers 100 MHz
""") + [
    image(14.2e6, 455e3, True), image(7.1e6, 10.7e6, True),
]

S_SELECT = parse("""
What is the selectivity of a receiver?
Its ability to reject signals on nearby frequencies
Its ability to pull weak signals out of the background noise
Its ability to handle very strong signals without distortion
Its ability to stay on one frequency as it warms up
Qu'est-ce que la sélectivité d'un récepteur ?
Son aptitude à rejeter les signaux sur des fréquences voisines
Son aptitude à extraire les signaux faibles du bruit de fond
Son aptitude à traiter des signaux très forts sans distorsion
Son aptitude à garder sa fréquence pendant qu'il chauffe

Which IF bandwidths best suit CW, SSB and FM voice?
About 500 Hz for CW, 2.4 kHz for SSB, 15 kHz for FM
About 2.4 kHz for CW, 500 Hz for SSB, 6 kHz for FM
About 250 Hz for CW, 6 kHz for SSB, 30 kHz for FM
About 100 Hz for CW, 10 kHz for SSB, 100 kHz for FM
Quelles bandes passantes FI conviennent le mieux à la télégraphie, à la BLU et à la FM en phonie ?
Environ 500 Hz en télégraphie, 2,4 kHz en BLU, 15 kHz en FM
Environ 2,4 kHz en télégraphie, 500 Hz en BLU, 6 kHz en FM
Environ 250 Hz en télégraphie, 6 kHz en BLU, 30 kHz en FM
Environ 100 Hz en télégraphie, 10 kHz en BLU, 100 kHz en FM

What is the effect of receiving SSB through a filter only 500 Hz wide?
Most of the speech is cut off and becomes hard to follow
The speech is clearer, since far less noise then reaches the detector
The speech sounds high-pitched, as the filter shifts its tones
There is no effect, since SSB is that narrow anyway
Quel est l'effet de la réception de la BLU à travers un filtre de seulement 500 Hz de large ?
L'essentiel de la parole est coupé et devient difficile à suivre
Un son plus clair, puisque moins de bruit atteint le détecteur
Un son aigu, car la bande étroite décale les fréquences de la parole
Aucun effet, la BLU étant de toute façon aussi étroite

What does the IF shift or passband tuning control do?
It moves the passband relative to the signal to dodge interference
It moves the tuned frequency while the transmit frequency stays put
It narrows the passband evenly on both sides of the signal
It switches between the first and the second IF filters
Que fait la commande de décalage FI (IF shift) ou d'accord de bande passante ?
Elle décale la bande passante pour écarter un brouillage
Elle déplace la fréquence reçue sans changer la fréquence d'émission
Elle rétrécit la bande passante également des deux côtés du signal
Elle commute entre les filtres de la première et de la seconde FI

What is a notch filter used for in a receiver?
To remove a steady carrier or whistle within the passband
To remove the pulses of ignition noise within the passband
To cut off the unwanted sideband of an SSB signal
To keep strong signals outside the passband from the mixer
À quoi sert un filtre réjecteur (notch) dans un récepteur ?
À éliminer une porteuse ou un sifflement fixe dans la bande
À éliminer les impulsions de bruit d'allumage dans la bande passante
À couper la bande latérale indésirable d'un signal BLU
À écarter du mélangeur les signaux forts hors de la bande passante

What is the purpose of a roofing filter at the first IF?
To stop strong nearby signals overloading later stages
To set the final, narrowest bandwidth of the whole receiver
To reject the image frequency ahead of the first mixer
To remove the noise added by the later IF amplifier stages
Quel est le rôle d'un filtre de tête (roofing) sur la première FI ?
Empêcher les signaux forts voisins de saturer les étages suivants
Fixer la bande passante finale, la plus étroite du récepteur
Rejeter la fréquence image avant le mélangeur d'entrée
Éliminer le bruit ajouté par les étages amplificateurs FI

What is the ultimate rejection of a filter?
Its attenuation far outside the edges of its passband
Its attenuation at the edges of its passband
Its insertion loss at the centre of its passband
Its shape factor, from the skirts of its passband
Qu'est-ce que la réjection ultime d'un filtre ?
Son atténuation loin de la bande passante
Son atténuation aux bords de sa bande passante
Son affaiblissement au centre de sa bande passante
Son facteur de forme, tiré des flancs de sa bande passante

What is an advantage of IF filtering by digital signal processing?
Adjustable bandwidth and steep skirts, with no alignment
Protection from strong signals before they reach the mixer
Rejection of the image, since the filtering is done digitally
Recovery of signals below the noise floor in any bandwidth
Quel est l'avantage d'un filtrage FI par traitement numérique du signal ?
Une largeur réglable et des flancs raides, sans alignement
Une protection contre les signaux forts avant le mélangeur
Une réjection de l'image, le calcul étant fait en logiciel
Une récupération des signaux sous le bruit, quelle que soit la bande

Why does an SDR decimate its data stream after converting the wanted band down to baseband?
To lower the sample rate to suit the narrow filtered channel
To remove the aliases that were created by sampling at the antenna
To raise the sample rate so that the audio has no aliases
To drop the lowest bits of each sample, which carry only noise
Pourquoi un SDR décime-t-il son flux de données après avoir ramené la bande utile en bande de base ?
Pour réduire la cadence d'échantillonnage au canal étroit filtré
Pour supprimer les repliements créés par l'échantillonnage à l'antenne
Pour augmenter la cadence d'échantillonnage afin que l'audio n'ait pas de repliement
Pour éliminer les bits de poids faible, qui ne portent que du bruit
""") + [
    shape(2.4e3, 4.2e3),
    shape(500.0, 1.5e3),
]

S_NOISE = parse("""
What is meant by the sensitivity of a receiver?
The smallest input giving a stated signal-to-noise ratio
The largest signal it handles without audible distortion
The smallest input that lifts the S-meter off its stop
The audio power it delivers for a stated input level
Que désigne la sensibilité d'un récepteur ?
Le plus petit signal donnant un rapport signal sur bruit fixé
Le plus grand signal qu'il traite sans distorsion audible
Le plus petit signal d'entrée qui fait décoller l'aiguille du S-mètre
Le niveau de sortie audio obtenu pour une entrée fixée

What does the noise figure of a receiver describe?
The loss in signal-to-noise ratio that it causes, in dB
The level of atmospheric noise reaching the antenna, in dB
The noise heard at the speaker with no antenna, in watts
The ratio of the noise floor to the strongest signal, in dB
Que décrit le facteur de bruit d'un récepteur ?
La dégradation du rapport signal sur bruit qu'il cause, en dB
Le niveau du bruit atmosphérique qui atteint l'antenne, en dB
La puissance de bruit entendue au haut-parleur sans antenne, en watts
Le rapport du plancher de bruit au plus fort signal, en dB

Which stage has the greatest influence on the noise figure of a receiver?
The first stage, provided it has enough gain
The last audio stage, where the signal is strongest
The first IF stage, which holds the narrow filter
The detector, where the noise becomes audible
Quel étage influe le plus sur le facteur de bruit d'un récepteur ?
Le premier, pourvu qu'il ait assez de gain
Le dernier étage audio, où le signal est le plus fort
Le premier étage FI, qui porte le filtre étroit
Le détecteur, où le bruit devient audible

Why is a very low noise figure rarely needed on the lower HF bands?
Noise picked up by the antenna exceeds the receiver's own noise
The ionosphere absorbs most noise on those bands before it arrives
Signals on the lower HF bands are strong enough to need no gain
Thermal noise in the receiver falls as the frequency is lowered
Pourquoi un facteur de bruit très faible est-il rarement nécessaire sur les bandes HF basses ?
Le bruit capté par l'antenne dépasse déjà le bruit propre du récepteur
L'ionosphère absorbe l'essentiel du bruit de ces bandes avant l'antenne
Les signaux des bandes HF basses sont assez forts pour se passer de gain
Le bruit thermique du récepteur baisse quand la fréquence diminue

Why is a preamplifier for VHF or UHF often mounted at the antenna rather than in the shack?
It amplifies at the antenna, before line loss adds to the noise figure
It keeps the feed line loss from reducing the transmit power
It lowers the SWR seen by the receiver at the far end of the line
It raises the antenna's gain, so the line carries a stronger signal
Pourquoi monte-t-on souvent un préamplificateur VHF ou UHF à l'antenne plutôt qu'à la station ?
Il amplifie à l'antenne, avant que la perte de ligne s'ajoute au bruit
Il empêche la perte de la ligne de réduire la puissance d'émission
Il abaisse le ROS vu par le récepteur à l'autre bout de la ligne
Il accroît le gain de l'antenne, d'où un signal plus fort

For an ideal analogue-to-digital converter, how does each extra bit of resolution change the ratio of a full-scale signal to quantisation noise?
About 6 dB better, as the quantisation step is halved
About 3 dB better, as the noise power is halved
About 1 dB better, as noise falls in step with the bits
About 10 dB better, as each bit adds a decade of range
Pour un convertisseur analogique-numérique idéal, comment chaque bit de résolution supplémentaire change-t-il le rapport d'un signal pleine échelle au bruit de quantification ?
Environ 6 dB de mieux, le pas de quantification étant divisé par deux
Environ 3 dB de mieux, car la puissance de bruit est divisée par deux
Environ 1 dB de mieux, car le bruit baisse au rythme des bits
Environ 10 dB de mieux, car chaque bit ajoute une décade de dynamique

What is the minimum discernible signal (MDS) of a receiver?
The signal equal to the noise floor in a given bandwidth
The weakest signal that moves the S-meter to S1
The signal level at which the squelch of an FM set opens
The signal 10 dB above the noise floor in a given bandwidth
Qu'est-ce que le signal minimal discernable (MDS) d'un récepteur ?
Le signal égal au plancher de bruit dans une bande donnée
Le plus faible signal qui amène le S-mètre à S1
Le niveau de signal qui ouvre le silencieux d'un poste FM
Le signal de 10 dB au-dessus du plancher de bruit dans une bande donnée

When band noise on 40 m is high, why can switching in an attenuator improve reception?
It cuts overload; band noise still exceeds receiver noise
It lowers the band noise more than it lowers the wanted signal
It lowers the noise figure of the receiver's first stage
It narrows the bandwidth, so that less band noise is heard
Lorsque le bruit de bande sur 40 m est élevé, pourquoi l'insertion d'un atténuateur peut-elle améliorer la réception ?
Elle évite la saturation, et le bruit de bande domine encore
Elle abaisse le bruit de bande plus que le signal utile
Elle abaisse le facteur de bruit du premier étage du récepteur
Elle réduit la bande passante, si bien qu'on entend moins de bruit de bande

What does noise temperature express?
The noise of a device, as the temperature of a resistor
The temperature that the receiver's front end reaches in use
The rise in noise of a device for each degree of warming
The temperature at which a device's noise figure is measured
Qu'exprime la température de bruit ?
Le bruit d'un dispositif vu comme la température d'une résistance
La température qu'atteint l'étage d'entrée du récepteur en service
L'augmentation du bruit d'un dispositif pour chaque degré d'échauffement
La température à laquelle on mesure le facteur de bruit d'un dispositif
""") + [
    noise_floor(2.4e3, 8.0), noise_floor(500.0, 12.0),
]

S_DETECT = parse("""
What is the purpose of automatic gain control (AGC)?
To hold the output level nearly constant as the inputs vary
To keep the receiver tuned to the signal as it drifts slowly
To switch in the preamplifier whenever the signals are weak
To choose the IF filter that suits the signal's mode
Quel est le rôle de la commande automatique de gain (CAG) ?
Tenir la sortie presque constante quand l'entrée varie
Maintenir le récepteur accordé sur le signal quand il dérive
Mettre en service le préamplificateur quand les signaux sont faibles
Choisir le filtre FI qui convient au mode du signal

Which AGC time constants suit SSB reception?
A fast attack and a slow decay
A slow attack and a fast decay
A fast attack and a fast decay
A slow attack and a slow decay
Quelles constantes de temps de CAG conviennent à la réception de la BLU ?
Une attaque rapide et une retombée lente
Une attaque lente et une retombée rapide
Une attaque rapide et une retombée rapide
Une attaque lente et une retombée lente

Where is the AGC voltage usually derived and applied?
From the IF or detector level, controlling IF and RF gain
From the RF input level, controlling the first mixer's LO drive
From the S-meter, controlling the noise blanker threshold
From the IF level, controlling the width of the IF filter
D'où la tension de CAG est-elle généralement tirée et où est-elle appliquée ?
Du niveau FI ou détecté, pour commander le gain FI et HF
Du niveau d'entrée HF, pour commander l'injection d'OL du mélangeur
Du S-mètre, pour commander le seuil du suppresseur de bruit
Du niveau FI, pour commander la largeur de bande du filtre FI

Why does an OFDM signal made of many slow subcarriers resist multipath echoes well?
Its symbols last far longer than the echo delays, plus a guard time
Its subcarriers are spaced so widely that echoes fall between them
Its constant envelope keeps the echoes from changing its amplitude
Its receiver locks onto the strongest echo and ignores the weaker ones
Pourquoi un signal OFDM formé de nombreuses sous-porteuses lentes résiste-t-il bien aux échos de trajets multiples ?
Ses symboles durent bien plus que les retards d'écho, plus un intervalle de garde
Ses sous-porteuses sont assez espacées pour que les échos tombent entre elles
Son enveloppe constante empêche les échos de modifier son amplitude
Son récepteur se cale sur l'écho le plus fort et ignore les autres

How does an FM demodulator such as a discriminator or quadrature detector work?
It converts variations of frequency into variations of voltage
It follows the peak amplitude of the signal, as AM reception does
It mixes the signal with a carrier reinserted at the IF
It converts variations of phase into variations of frequency
Comment fonctionne un démodulateur FM tel qu'un discriminateur ou un détecteur en quadrature ?
Il convertit les variations de fréquence en variations de tension
Il suit l'amplitude de crête du signal, comme en réception AM
Il mélange le signal avec une porteuse réinjectée sur la FI
Il convertit les variations de phase en variations de fréquence

What is the purpose of the limiter stages in an FM receiver?
To strip the amplitude changes and the noise before the demodulator
To limit the audio output to a safe level for headphones
To limit the deviation of strong signals to the filter width
To limit the IF gain so that the AGC takes over
Quel est le rôle des étages limiteurs d'un récepteur FM ?
Écrêter l'amplitude et le bruit avant le démodulateur
Réduire la sortie audio à un niveau sans danger pour le casque
Limiter l'excursion des signaux forts à la largeur du filtre
Limiter le gain des étages FI pour que la CAG prenne le relais

How does forward error correction (FEC) let a digital mode survive errors on the path?
Redundant bits let most errors be corrected with no repeat
The receiver asks for each damaged block to be sent again
The transmitter raises its power when the far end reports errors
Each bit is sent on two frequencies and the stronger one is kept
Comment la correction d'erreurs directe (FEC) permet-elle à un mode numérique de survivre aux erreurs du trajet ?
Des bits redondants corrigent la plupart des erreurs sans renvoi
Le récepteur demande que chaque bloc endommagé soit renvoyé
L'émetteur augmente sa puissance quand l'autre station signale des erreurs
Chaque bit part sur deux fréquences et le récepteur garde la plus forte

How does a noise blanker work?
It gates the receiver off during short, strong pulses
It narrows the IF bandwidth whenever a noise pulse arrives
It subtracts an estimate of the steady noise from the audio
It raises the AGC threshold so that weak noise is not amplified
Comment fonctionne un suppresseur de bruit impulsionnel (noise blanker) ?
Il bloque le récepteur pendant les impulsions brèves et fortes
Il réduit la bande passante FI à chaque impulsion de bruit
Il soustrait de l'audio une estimation du bruit permanent
Il élève le seuil de CAG pour ne pas amplifier le bruit

What signal level does S9 usually correspond to on an HF S-meter calibrated to the common standard?
About 50 microvolts into 50 ohms, or -73 dBm
About 0.5 microvolts into 50 ohms, or -113 dBm
About 1 millivolt into 50 ohms, or -47 dBm
About 5 microvolts into 50 ohms, or -93 dBm
À quel niveau de signal S9 correspond-il généralement sur un S-mètre HF étalonné selon la norme courante ?
Environ 50 microvolts sur 50 ohms, soit -73 dBm
Environ 0,5 microvolt sur 50 ohms, soit -113 dBm
Environ 1 millivolt sur 50 ohms, soit -47 dBm
Environ 5 microvolts sur 50 ohms, soit -93 dBm
""") + [
    s_diff(5, 9), s_diff(1, 9),
]

S_DYNAMIC = parse("""
What is blocking or desensitisation of a receiver?
Loss of sensitivity caused by a strong nearby signal
Loss of sensitivity caused by a high SWR on the antenna line
New signals produced when two strong ones mix in the front end
Noise added to a weak signal by the phase noise of the LO
Qu'est-ce que le blocage ou la désensibilisation d'un récepteur ?
Une perte de sensibilité causée par un signal fort voisin
Une perte de sensibilité causée par un ROS élevé sur la ligne d'antenne
De nouveaux signaux nés du mélange de deux signaux forts dans l'entrée
Du bruit ajouté à un signal faible par le bruit de phase de l'OL

What is the third-order intercept point (IP3) of a receiver?
The level at which the third-order products would equal the signals
The level at which third-order products first rise above the noise
The input level at which the receiver's gain starts to compress
The level at which the third harmonic of a signal equals the signal
Qu'est-ce que le point d'interception du troisième ordre (IP3) d'un récepteur ?
Le niveau où les produits du troisième ordre égaleraient les signaux
Le niveau auquel les produits du troisième ordre sortent du bruit
Le niveau d'entrée où le gain du récepteur commence à chuter
Le niveau auquel le troisième harmonique d'un signal égale ce signal

What is the dynamic range of a receiver?
The span from the weakest usable signal to the strongest handled cleanly
The span of frequencies it covers, from its lowest band to its highest
The span of the S-meter scale, from its lowest to highest mark
The span between its noise floor and the level that opens the squelch
Qu'est-ce que la dynamique d'un récepteur ?
L'écart entre le plus faible signal utilisable et le plus fort traité sans distorsion
L'écart des fréquences qu'il couvre, de sa plus basse bande à sa plus haute
L'écart de l'échelle du S-mètre, de sa plus basse à sa plus haute graduation
L'écart entre son plancher de bruit et le niveau qui ouvre le silencieux

What is reciprocal mixing?
LO phase noise mixing with a strong nearby signal into the IF
Two nearby receivers mixing their signals through a common antenna
The mixer working in reverse, so the LO reaches the antenna
The image signal mixing with the LO's harmonics into the IF stage
Qu'est-ce que le mélange réciproque ?
Le bruit de phase de l'OL mêlé à un signal fort voisin dans la FI
Le mélange des signaux de deux récepteurs sur une antenne commune
Le mélangeur fonctionnant à l'envers, l'OL remontant vers l'antenne
Le signal image se mélangeant aux harmoniques de l'OL dans la FI

What is cross-modulation?
The modulation of an unwanted signal carried over onto the wanted one
Two unwanted signals mixing to a new carrier on the wanted one
Hum modulation of the wanted signal from the mains supply
The wanted signal's modulation leaking onto a nearby channel
Qu'est-ce que la transmodulation ?
La modulation d'un signal gênant reportée sur le signal utile
Deux signaux indésirables mêlés en une nouvelle porteuse sur le signal utile
Une modulation du signal utile par le ronflement de l'alimentation secteur
La modulation du signal utile débordant sur un canal adjacent

By how much do third-order intermodulation products rise when both input signals rise by 1 dB?
About 3 dB
About 1 dB
About 2 dB
About 0.33 dB
De combien les produits d'intermodulation du troisième ordre augmentent-ils lorsque les deux signaux d'entrée augmentent de 1 dB ?
D'environ 3 dB
D'environ 1 dB
D'environ 2 dB
D'environ 0,33 dB

How can a receiver's strong-signal performance be improved in practice on a crowded band?
By switching off the preamplifier or attenuating strong signals
By turning up the RF gain and preamplifier to maximum
By widening the IF filter so that strong signals pass undistorted
By switching off the AGC so that the gain stays at maximum
Comment peut-on améliorer en pratique le comportement d'un récepteur aux signaux forts sur une bande encombrée ?
En coupant le préamplificateur ou en atténuant les signaux forts
En poussant au maximum le gain HF et le préamplificateur
En élargissant le filtre FI pour que les signaux forts passent sans distorsion
En coupant la CAG pour que le gain reste au maximum

Why are third-order products more troublesome than second-order products in a receiver?
They fall close to the signals that make them, inside the same band
They are stronger than the even-order mixing of the same signals
They fall at three times the frequency of the signals that make them
They rise by less than the signals that make them as these grow
Pourquoi les produits du troisième ordre sont-ils plus gênants que ceux du deuxième ordre dans un récepteur ?
Ils tombent près des signaux qui les produisent, dans la même bande
Ils sont plus forts que les mélanges d'ordre pair des mêmes signaux
Ils tombent au triple de la fréquence des signaux qui les produisent
Ils augmentent moins vite que les signaux qui les produisent
""") + [
    imd3(7.05e6, 7.06e6), imd3(145.0e6, 145.1e6),
]

TOPIC = {
    "en": "Receivers",
    "fr": "Récepteurs",
    "sections": [S_SUPERHET, S_IMAGE, S_SELECT, S_NOISE, S_DETECT, S_DYNAMIC],
}
