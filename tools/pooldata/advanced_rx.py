"""Advanced topic 6: receivers."""

import math

from advanced_calc import calc, parse, si, num, unit_fmt, plain_fmt


def lo_freq(frf, fif):
    c = frf + fif
    return calc(
        "A receiver with a %s IF uses a local oscillator above the signal. What LO frequency is needed to receive %s?" % (si(fif, "Hz", "en"), si(frf, "Hz", "en")),
        "Un r\u00e9cepteur \u00e0 FI de %s utilise un oscillateur local plac\u00e9 au-dessus du signal. Quelle fr\u00e9quence d'OL faut-il pour recevoir %s ?" % (si(fif, "Hz", "fr"), si(frf, "Hz", "fr")),
        [c, abs(frf - fif), frf + 2 * fif, fif * 2], unit_fmt("Hz", 5))


def image(frf, fif, high):
    c = frf + 2 * fif if high else frf - 2 * fif
    side_en = "above" if high else "below"
    side_fr = "au-dessus" if high else "au-dessous"
    return calc(
        "A receiver with a %s IF and its LO %s the signal is tuned to %s. What is the image frequency?" % (si(fif, "Hz", "en"), side_en, si(frf, "Hz", "en")),
        "Un r\u00e9cepteur \u00e0 FI de %s, dont l'OL est %s du signal, est accord\u00e9 sur %s. Quelle est la fr\u00e9quence image ?" % (si(fif, "Hz", "fr"), side_fr, si(frf, "Hz", "fr")),
        [c, abs(frf - 2 * fif), frf + fif, frf + 4 * fif] if high else [c, frf + 2 * fif, frf - fif, abs(frf - 4 * fif)],
        unit_fmt("Hz", 5))


def noise_floor(bw, nf):
    c = -174 + 10 * math.log10(bw) + nf
    return calc(
        "A receiver's noise figure is %s dB and its bandwidth %s. Taking -174 dBm/Hz, what is its noise floor?" % (num(nf, "en"), si(bw, "Hz", "en")),
        "Un r\u00e9cepteur a un facteur de bruit de %s dB et une bande passante de %s. Avec -174 dBm/Hz, quel est son plancher de bruit ?" % (num(nf, "fr"), si(bw, "Hz", "fr")),
        [c, -174 + nf, -174 + 20 * math.log10(bw) + nf, c - 2 * nf], plain_fmt(" dBm", " dBm", 3))


def imd3(f1, f2):
    lo, hi = 2 * f1 - f2, 2 * f2 - f1
    return calc(
        "Strong signals on %s and %s reach a receiver. Where do their third-order intermodulation products fall?" % (si(f1, "Hz", "en"), si(f2, "Hz", "en")),
        "Des signaux forts sur %s et %s atteignent un r\u00e9cepteur. O\u00f9 tombent leurs produits d'intermodulation du troisi\u00e8me ordre ?" % (si(f1, "Hz", "fr"), si(f2, "Hz", "fr")),
        [(lo, hi), (f2 - f1, f1 + f2), (2 * f1, 2 * f2), (3 * f1, 3 * f2)],
        lambda v, lang: "%s %s %s" % (si(v[0], "Hz", lang, 5), "and" if lang == "en" else "et", si(v[1], "Hz", lang, 5)))


def s_diff(s1, s2):
    c = 6 * (s2 - s1)
    return calc(
        "A signal rises from S%d to S%d on an S-meter of 6 dB per S-unit. By how much has it risen?" % (s1, s2),
        "Un signal passe de S%d \u00e0 S%d sur un S-m\u00e8tre de 6 dB par unit\u00e9 S. De combien a-t-il augment\u00e9 ?" % (s1, s2),
        [c, s2 - s1, 3 * (s2 - s1), 10 * (s2 - s1)], plain_fmt(" dB", " dB"))


def shape(b6, b60):
    c = b60 / b6
    return calc(
        "A filter is %s wide at -6 dB and %s wide at -60 dB. What is its shape factor?" % (si(b6, "Hz", "en"), si(b60, "Hz", "en")),
        "Un filtre a une largeur de %s \u00e0 -6 dB et de %s \u00e0 -60 dB. Quel est son facteur de forme ?" % (si(b6, "Hz", "fr"), si(b60, "Hz", "fr")),
        [c, b6 / b60, b60 - b6 if b60 - b6 < 100 else c * 2, c * c], plain_fmt("", "", 3))


S_SUPERHET = parse("""
What is the main idea of the superheterodyne receiver?
Every signal is converted to one fixed IF, where most gain and selectivity are provided
Every signal is amplified at its own frequency by tuned stages that track together
The signal is detected directly at the antenna
The audio is produced by a crystal set without amplification
Quel est le principe du récepteur superhétérodyne ?
Chaque signal est converti sur une FI fixe, où sont obtenus l'essentiel du gain et de la sélectivité
Chaque signal est amplifié sur sa propre fréquence par des étages accordés qui se suivent
Le signal est détecté directement à l'antenne
L'audio est produit par un poste à galène sans amplification

What is an advantage of a superheterodyne receiver over a tuned radio frequency (TRF) receiver?
Its selectivity and gain stay nearly constant across the tuning range
It has no image responses at all, whatever the frequency
It needs no oscillator
It cannot be overloaded by strong signals near the wanted one
Quel est l'avantage d'un récepteur superhétérodyne sur un récepteur à amplification directe (TRF) ?
Sa sélectivité et son gain restent presque constants sur toute la plage d'accord
Il n'a aucune réponse image, quelle que soit la fréquence
Il n'a besoin d'aucun oscillateur
Il ne peut pas être saturé par des signaux forts voisins du signal utile

Which are benefits of a tuned RF amplifier ahead of the mixer?
Better sensitivity and image rejection, and less LO radiation
Higher audio output and a louder loudspeaker on weak signals
Automatic selection of the sideband according to the band in use
A narrower IF bandwidth
Quels avantages apporte un amplificateur HF accordé placé avant le mélangeur ?
Une meilleure sensibilité et réjection de l'image, et moins de rayonnement de l'OL
Une sortie audio plus forte et un haut-parleur plus puissant sur les signaux faibles
Le choix automatique de la bande latérale selon la bande utilisée
Une bande passante FI plus étroite

Why does a receiver need a beat frequency oscillator (BFO) or carrier oscillator to receive CW and SSB?
They carry no carrier, so one must be reinserted to give audio
The BFO raises the sensitivity of the IF stages for weak signals
The BFO removes the image frequency
The BFO sets the AGC time constant
Pourquoi un récepteur a-t-il besoin d'un oscillateur de battement (BFO) pour recevoir la télégraphie et la BLU ?
Ils n'ont pas de porteuse : il faut en réinjecter une pour obtenir l'audio
Le BFO augmente la sensibilité des étages FI pour les signaux faibles
Le BFO supprime la fréquence image
Le BFO fixe la constante de temps de la CAG

How does a direct-conversion receiver work?
The oscillator is on the signal frequency and the mixer output is audio
It detects the signal directly at the antenna with a germanium diode
It converts the signal twice before detection
It samples the signal with a frequency counter
Comment fonctionne un récepteur à conversion directe ?
L'oscillateur est sur la fréquence du signal et la sortie du mélangeur est audio
Il détecte le signal directement à l'antenne avec une diode au germanium
Il convertit le signal deux fois avant la détection
Il échantillonne le signal avec un fréquencemètre

What is a drawback of a simple direct-conversion receiver for SSB?
Both sidebands are heard, with no rejection of the unwanted one
It cannot receive CW at all
Its IF filter must be very wide to pass both sidebands at the same time
It needs a very high IF
Quel est l'inconvénient d'un récepteur simple à conversion directe pour la BLU ?
Les deux bandes latérales sont entendues, sans réjection de l'indésirable
Il ne peut pas du tout recevoir la télégraphie
Son filtre FI doit être très large pour passer les deux bandes à la fois
Il nécessite une FI très élevée

What is a characteristic of a software-defined receiver?
Filtering and demodulation are done digitally
It uses only analogue filters and detectors
It has no antenna input
Its frequency is set by changing crystals
Quelle est une caractéristique d'un récepteur à radio logicielle (SDR) ?
Le filtrage et la démodulation sont numériques
Il n'utilise que des filtres et détecteurs analogiques
Il n'a pas d'entrée d'antenne
Sa fréquence se règle en changeant de quartz

What is the purpose of the IF amplifier in a superheterodyne receiver?
To provide most of the gain at a fixed frequency, under AGC
To generate the local oscillator signal
To amplify the audio before it reaches the loudspeaker
To reject the image frequency
Quel est le rôle de l'amplificateur FI d'un récepteur superhétérodyne ?
Fournir l'essentiel du gain sur une fréquence fixe, sous contrôle de la CAG
Produire le signal de l'oscillateur local
Amplifier l'audio avant qu'il n'atteigne le haut-parleur
Rejeter la fréquence image

While tuned to 3.700 MHz, a single-conversion receiver with a 455 kHz IF and its local oscillator above the signal picks up a strong broadcast station that is really on 4.610 MHz. What is happening?
The station is on the image frequency, 910 kHz above the tuned one
The station's second harmonic falls on 3.700 MHz
The IF amplifier is picking up the station directly through poor screening
The BFO is beating with the station's carrier
Accordé sur 3,700 MHz, un récepteur à simple changement de fréquence, à FI de 455 kHz et oscillateur local au-dessus du signal, capte une puissante station de radiodiffusion qui émet en réalité sur 4,610 MHz. Que se passe-t-il ?
La station est sur la fréquence image, 910 kHz au-dessus de la fréquence reçue
Le deuxième harmonique de la station tombe sur 3,700 MHz
L'amplificateur FI capte directement la station à cause d'un mauvais blindage
Le BFO bat avec la porteuse de la station
""") + [
    lo_freq(14.2e6, 9e6),
    lo_freq(7.15e6, 10.7e6),
]

S_IMAGE = parse("""
What is the image frequency of a superheterodyne receiver?
A second frequency, beyond the LO, that also converts to the IF
The frequency of the local oscillator itself
A harmonic of the intermediate frequency
The frequency shown on the receiver's display after calibration
Qu'est-ce que la fréquence image d'un récepteur superhétérodyne ?
Une seconde fréquence, au-delà de l'OL, qui se convertit aussi sur la FI
La fréquence de l'oscillateur local lui-même
Un harmonique de la fréquence intermédiaire
La fréquence affichée par le récepteur après étalonnage

How does the choice of IF affect image rejection and selectivity?
A high IF eases image rejection; a low IF eases narrow selectivity
A high IF improves both image rejection and narrow selectivity without any compromise
A low IF puts the image further away
The IF has no effect on either
Comment le choix de la FI influe-t-il sur la réjection de l'image et la sélectivité ?
Une FI haute facilite la réjection de l'image ; une FI basse, la sélectivité
Une FI élevée améliore sans compromis la réjection de l'image et la sélectivité étroite
Une FI basse éloigne l'image
La FI n'a aucun effet sur l'une ni l'autre

Why do many receivers use double conversion?
A high first IF rejects images; a low second IF gives selectivity
It doubles the receiver's output power
It lets the receiver work without any local oscillator at all
It removes the need for any front-end filter
Pourquoi de nombreux récepteurs utilisent-ils un double changement de fréquence ?
Une première FI haute rejette l'image ; une seconde FI basse donne la sélectivité
Cela double la puissance de sortie du récepteur
Cela permet au récepteur de fonctionner sans aucun oscillateur local
Cela supprime le besoin de tout filtre d'entrée

Which part of a superheterodyne receiver must reject the image frequency?
The tuned circuits ahead of the mixer
The IF filter, which follows the mixer and sets the overall selectivity
The audio filter
The AGC circuit
Quelle partie d'un récepteur superhétérodyne doit rejeter la fréquence image ?
Les circuits accordés placés avant le mélangeur
Le filtre FI, qui suit le mélangeur et fixe la sélectivité globale
Le filtre audio
Le circuit de CAG

What is IF breakthrough and how is it cured?
A strong signal on the IF leaks through; an IF trap cures it
The IF amplifier oscillates; lowering the audio gain cures it
The local oscillator drifts onto the IF; a new crystal cures it
The image falls on the IF; a wider filter cures it
Qu'est-ce que la transmodulation directe sur la FI et comment la supprime-t-on ?
Un signal fort sur la FI passe directement ; un bouchon FI la supprime
L'amplificateur FI oscille ; baisser le gain audio la supprime
L'oscillateur local dérive sur la FI ; un nouveau quartz la supprime
L'image tombe sur la FI ; un filtre plus large la supprime

What are birdies in a receiver?
Carriers at fixed dial points from the receiver's own oscillators
Short bursts of noise from lightning in distant thunderstorms
Signals from amateur satellites
Audio tones added by the AGC
Que sont les « birdies » dans un récepteur ?
Des porteuses en points fixes du cadran, dues aux oscillateurs du récepteur
De brèves salves de bruit dues à la foudre d'orages lointains
Des signaux de satellites amateurs
Des tonalités audio ajoutées par la CAG

How is the image rejection of a receiver usually expressed?
In decibels, as wanted-signal response over image response
As the image frequency in hertz
As the number of frequency conversions made inside the receiver
As the bandwidth of the IF filter
Comment exprime-t-on habituellement la réjection de la fréquence image d'un récepteur ?
En décibels, réponse au signal utile sur réponse à l'image
Par la fréquence image en hertz
Par le nombre de changements de fréquence effectués dans le récepteur
Par la bande passante du filtre FI

Why can harmonics of the local oscillator produce spurious responses?
Each harmonic can convert other incoming signals to the IF
Harmonics raise the receiver's sensitivity at the wanted frequency
Harmonics only affect the transmitter
They shift the IF to a lower frequency
Pourquoi les harmoniques de l'oscillateur local peuvent-ils produire des réponses parasites ?
Chaque harmonique peut convertir d'autres signaux reçus sur la FI
Les harmoniques augmentent la sensibilité du récepteur sur la fréquence utile
Les harmoniques n'affectent que l'émetteur
Ils déplacent la FI vers une fréquence plus basse

A 2 m receiver with a 10.7 MHz IF and its local oscillator below the signal suffers from a voice heard on 145.5 MHz whenever an aircraft transmits nearby, although nobody is on the 2 m channel. Aircraft voice channels lie around 118 to 137 MHz. Which explanation fits, and what cures it?
An image response from 124.1 MHz; better selectivity before the mixer
Intermodulation from the repeater output; a wider IF filter
IF breakthrough at 10.7 MHz; a higher AGC threshold
Harmonics of the aircraft signal; a high-pass filter set at about 100 MHz
Un récepteur 2 m à FI de 10,7 MHz, dont l'oscillateur local est au-dessous du signal, fait entendre une voix sur 145,5 MHz chaque fois qu'un avion émet à proximité, alors que personne n'est sur le canal 2 m. Les canaux de phonie aéronautique se situent vers 118 à 137 MHz. Quelle explication convient, et quel est le remède ?
Une réponse image depuis 124,1 MHz ; plus de sélectivité avant le mélangeur
Une intermodulation due à la sortie du relais ; un filtre FI plus large
Une transmodulation directe sur 10,7 MHz ; un seuil de CAG plus élevé
Des harmoniques du signal de l'avion ; un filtre passe-haut réglé vers 100 MHz
""") + [
    image(14.2e6, 455e3, True), image(7.1e6, 10.7e6, True),
]

S_SELECT = parse("""
What is the selectivity of a receiver?
Its ability to reject signals on nearby frequencies
Its ability to receive very weak signals
Its ability to handle very strong signals without distortion
Its frequency stability over time
Qu'est-ce que la sélectivité d'un récepteur ?
Son aptitude à rejeter les signaux des fréquences voisines
Son aptitude à recevoir des signaux très faibles
Son aptitude à traiter des signaux très forts sans distorsion
Sa stabilité de fréquence dans le temps

Which IF bandwidths best suit CW, SSB and FM voice?
About 500 Hz for CW, 2.4 kHz for SSB and 12 to 15 kHz for FM
About 2.4 kHz for CW, 500 Hz for SSB and 6 kHz for FM
About 15 kHz for all three
About 100 Hz for CW, 10 kHz for SSB and 100 kHz for FM
Quelles bandes passantes FI conviennent le mieux à la télégraphie, à la BLU et à la FM en phonie ?
Environ 500 Hz pour la télégraphie, 2,4 kHz pour la BLU et 12 à 15 kHz pour la FM
Environ 2,4 kHz pour la télégraphie, 500 Hz pour la BLU et 6 kHz pour la FM
Environ 15 kHz pour les trois
Environ 100 Hz pour la télégraphie, 10 kHz pour la BLU et 100 kHz pour la FM

What is the effect of receiving SSB through a filter only 500 Hz wide?
Much of the speech is cut off and becomes hard to understand
The speech sounds louder and clearer
The signal changes to the other sideband
There is no effect, since SSB is only 500 Hz wide anyway
Quel est l'effet de la réception de la BLU à travers un filtre de seulement 500 Hz de large ?
Une grande partie de la parole est coupée et devient peu compréhensible
La parole paraît plus forte et plus claire
Le signal passe sur l'autre bande latérale
Aucun, puisque la BLU ne fait de toute façon que 500 Hz de large

What does the IF shift or passband tuning control do?
It moves the passband relative to the signal to dodge interference
It changes the receiver's tuned frequency by one whole amateur band
It adjusts the AGC speed
It switches between the first and second IF
Que fait la commande de décalage FI (IF shift) ou d'accord de bande passante ?
Elle déplace la bande passante par rapport au signal pour esquiver un brouillage
Elle change la fréquence reçue d'une bande amateur entière
Elle règle la vitesse de la CAG
Elle commute entre la première et la seconde FI

What is a notch filter used for in a receiver?
To remove a steady carrier or whistle within the passband
To widen the passband when listening to AM broadcasts
To remove impulse noise
To select the sideband
À quoi sert un filtre réjecteur (notch) dans un récepteur ?
À éliminer une porteuse ou un sifflement stable dans la bande passante
À élargir la bande passante pour écouter la radiodiffusion en AM
À supprimer le bruit impulsionnel
À choisir la bande latérale

What is the purpose of a roofing filter at the first IF?
To keep strong nearby signals from overloading the later stages
To cover the receiver against rain
To set the final audio bandwidth heard in the loudspeaker or headphones
To reject the mains hum
Quel est le rôle d'un filtre de toit (roofing filter) sur la première FI ?
Empêcher les signaux forts voisins de saturer les étages suivants
Protéger le récepteur de la pluie
Fixer la bande passante audio finale entendue au haut-parleur ou au casque
Rejeter le ronflement du secteur

What is the ultimate rejection of a filter?
Its greatest attenuation, far outside the passband
The attenuation at the two edges of its passband
Its loss at the centre of the passband
The ratio of its 6 dB and 60 dB bandwidths
Qu'est-ce que la réjection ultime d'un filtre ?
Sa plus forte atténuation, très loin de la bande passante
L'atténuation aux deux bords de sa bande passante
Sa perte au centre de la bande passante
Le rapport de ses bandes passantes à 6 dB et à 60 dB

What is an advantage of IF filtering by digital signal processing?
Adjustable bandwidth and steep skirts, with no ageing or alignment
It needs no power supply
It works before the mixer, so it also rejects the image
It can recover signals below the thermal noise of any bandwidth
Quel est l'avantage d'un filtrage FI par traitement numérique du signal ?
Une largeur réglable et des flancs raides, sans vieillissement ni alignement
Il ne nécessite aucune alimentation
Il agit avant le mélangeur et rejette donc aussi l'image
Il peut récupérer des signaux sous le bruit thermique quelle que soit la bande passante

What is meant by adjacent-channel selectivity?
The ability to reject a signal on the next channel
Its ability to receive two channels at once
Its ability to reject the image frequency
The frequency spacing between two channels
Que désigne la sélectivité vis-à-vis du canal adjacent ?
L'aptitude à rejeter un signal sur le canal voisin
Son aptitude à recevoir deux canaux à la fois
Son aptitude à rejeter la fréquence image
L'espacement en fréquence entre deux canaux
""") + [
    shape(2.4e3, 4.2e3),
    shape(500.0, 1.5e3),
]

S_NOISE = parse("""
What is meant by the sensitivity of a receiver?
The smallest input giving a stated signal-to-noise ratio
The largest signal it can handle without audible distortion
The width of its passband
The audio power it delivers to the loudspeaker
Que désigne la sensibilité d'un récepteur ?
Le plus petit signal d'entrée donnant un rapport signal sur bruit fixé
Le plus grand signal qu'il peut traiter sans distorsion audible
La largeur de sa bande passante
La puissance audio qu'il fournit au haut-parleur

What does the noise figure of a receiver describe?
How much the receiver degrades the signal-to-noise ratio, in dB
The level of the atmospheric noise at the antenna
The audio noise heard with the antenna disconnected, in watts
The number of noise pulses per second
Que décrit le facteur de bruit d'un récepteur ?
De combien le récepteur dégrade le rapport signal sur bruit, en dB
Le niveau du bruit atmosphérique à l'antenne
Le bruit audio entendu antenne débranchée, en watts
Le nombre d'impulsions de bruit par seconde

Which stage has the greatest influence on the noise figure of a receiver?
The first stage, provided it has enough gain
The audio output stage, which drives the loudspeaker
The last IF stage
The AGC detector
Quel étage influe le plus sur le facteur de bruit d'un récepteur ?
Le premier étage, à condition qu'il ait assez de gain
L'étage de sortie audio, qui attaque le haut-parleur
Le dernier étage FI
Le détecteur de CAG

Why is a very low noise figure rarely needed on the lower HF bands?
Noise picked up by the antenna usually exceeds the receiver's own noise
The ionosphere absorbs all noise below 10 MHz before it reaches the antenna
Signals on HF are always strong
HF receivers have no first stage
Pourquoi un facteur de bruit très faible est-il rarement nécessaire sur les bandes HF basses ?
Le bruit capté par l'antenne dépasse généralement le bruit propre du récepteur
L'ionosphère absorbe tout le bruit sous 10 MHz avant qu'il n'atteigne l'antenne
Les signaux en HF sont toujours forts
Les récepteurs HF n'ont pas de premier étage

Why is a preamplifier for VHF or UHF often mounted at the antenna rather than in the shack?
It amplifies the signal before the feed line loss adds to the noise figure
It protects the antenna from lightning
It reduces the SWR on the feed line
It is easier to cool outdoors, where the air keeps it at a lower temperature
Pourquoi monte-t-on souvent un préamplificateur VHF ou UHF à l'antenne plutôt qu'à la station ?
Il amplifie le signal avant que les pertes de la ligne ne s'ajoutent au facteur de bruit
Il protège l'antenne contre la foudre
Il réduit le ROS sur la ligne
Il est plus facile à refroidir à l'extérieur, où l'air le garde plus froid

How does the thermal noise power at a receiver's input depend on its bandwidth?
It is proportional to the bandwidth
It is independent of the bandwidth
It rises as the bandwidth is reduced
It depends only on the antenna height
Comment la puissance de bruit thermique à l'entrée d'un récepteur dépend-elle de sa bande passante ?
Elle est proportionnelle à la bande passante
Elle ne dépend pas de la bande passante
Elle augmente quand on réduit la bande passante
Elle ne dépend que de la hauteur de l'antenne

What is the minimum discernible signal (MDS) of a receiver?
The signal equal to the noise floor in a given bandwidth
The weakest signal that moves the S-meter to S1
The signal that opens the squelch
The lowest frequency the receiver can tune
Qu'est-ce que le signal minimal discernable (MDS) d'un récepteur ?
Le signal égal au plancher de bruit dans une bande donnée
Le plus faible signal qui amène le S-mètre à S1
Le signal qui ouvre le silencieux
La plus basse fréquence sur laquelle le récepteur peut s'accorder

When band noise on 40 m is high, why can switching in an attenuator improve reception?
It reduces overload while the wanted signal stays above receiver noise
It increases the wanted signal level
It removes the band noise completely
It raises the receiver's noise figure to match the band
Lorsque le bruit de bande sur 40 m est élevé, pourquoi l'insertion d'un atténuateur peut-elle améliorer la réception ?
Elle réduit la saturation, le signal utile restant au-dessus du bruit du récepteur
Elle augmente le niveau du signal utile
Elle supprime totalement le bruit de bande
Elle élève le facteur de bruit du récepteur au niveau de celui de la bande

What does noise temperature express?
A device's noise as the temperature of an equivalent resistor
The physical temperature of the receiver's case
The temperature at which the receiver stops working reliably
The temperature rise of the antenna in sunlight
Qu'exprime la température de bruit ?
Le bruit d'un dispositif sous forme de température d'une résistance équivalente
La température physique du boîtier du récepteur
La température à laquelle le récepteur cesse de fonctionner correctement
L'échauffement de l'antenne au soleil
""") + [
    noise_floor(2.4e3, 8.0), noise_floor(500.0, 12.0),
]

S_DETECT = parse("""
What is the purpose of automatic gain control (AGC)?
To hold the output level nearly constant as inputs vary
To keep the receiver tuned to the signal as it drifts
To remove the image frequency
To select the best filter automatically
Quel est le rôle de la commande automatique de gain (CAG) ?
Maintenir le niveau de sortie presque constant malgré les variations d'entrée
Maintenir le récepteur accordé sur le signal quand il dérive
Supprimer la fréquence image
Choisir automatiquement le meilleur filtre

Which AGC time constants suit SSB reception?
A fast attack and a slow decay
A slow attack and a fast decay
Both very fast, so that the gain follows each syllable
Both very slow, about a minute
Quelles constantes de temps de CAG conviennent à la réception de la BLU ?
Une attaque rapide et une retombée lente
Une attaque lente et une retombée rapide
Les deux très rapides, pour que le gain suive chaque syllabe
Les deux très lentes, environ une minute

Where is the AGC voltage usually derived and applied?
From the IF or detector level, controlling IF and RF gain
From the audio output, controlling the loudspeaker
From the power supply, controlling the oscillator
From the antenna, controlling the feed line
D'où la tension de CAG est-elle généralement tirée et où est-elle appliquée ?
Du niveau FI ou détecté, pour commander le gain FI et HF
De la sortie audio, pour commander le haut-parleur
De l'alimentation, pour commander l'oscillateur
De l'antenne, pour commander la ligne

What kind of detector recovers the audio from an AM signal in a simple receiver?
An envelope detector, a diode followed by a filter
A product detector with its BFO switched off
A frequency discriminator
A phase-locked loop
Quel type de détecteur restitue l'audio d'un signal AM dans un récepteur simple ?
Un détecteur d'enveloppe, soit une diode suivie d'un filtre
Un détecteur de produit dont le BFO est coupé
Un discriminateur de fréquence
Une boucle à verrouillage de phase

How does an FM demodulator such as a discriminator or quadrature detector work?
It converts variations of frequency into variations of voltage
It measures the peak amplitude of the signal
It mixes the signal with a BFO to produce the audio tone
It counts the sidebands of the signal
Comment fonctionne un démodulateur FM tel qu'un discriminateur ou un détecteur en quadrature ?
Il convertit les variations de fréquence en variations de tension
Il mesure l'amplitude de crête du signal
Il mélange le signal avec un BFO pour produire la tonalité audio
Il compte les bandes latérales du signal

What is the purpose of the limiter stages in an FM receiver?
To strip amplitude variations and noise before the demodulator
To limit the audio volume to a safe level
To limit the receiver to one channel
To limit the frequency range over which the local oscillator can tune
Quel est le rôle des étages limiteurs d'un récepteur FM ?
Supprimer les variations d'amplitude et le bruit avant le démodulateur
Limiter le volume audio à un niveau sûr
Limiter le récepteur à un seul canal
Limiter la plage de fréquence sur laquelle l'oscillateur local s'accorde

What does the squelch circuit of an FM receiver do?
It mutes the audio when no signal is present
It reduces the deviation of strong signals to protect the speaker
It selects the strongest of two signals
It raises the sensitivity on weak signals
Que fait le silencieux (squelch) d'un récepteur FM ?
Il coupe l'audio en l'absence de signal
Il réduit l'excursion des signaux forts pour protéger le haut-parleur
Il choisit le plus fort de deux signaux
Il augmente la sensibilité sur les signaux faibles

How does a noise blanker work?
It gates the receiver off during short, strong noise pulses
It narrows the bandwidth whenever noise is present
It subtracts a recording of the noise from the audio
It raises the AGC threshold permanently
Comment fonctionne un suppresseur de bruit impulsionnel (noise blanker) ?
Il bloque le récepteur pendant les impulsions de bruit brèves et fortes
Il réduit la bande passante dès qu'un bruit est présent
Il soustrait de l'audio un enregistrement du bruit
Il élève définitivement le seuil de la CAG

What signal level does S9 usually correspond to on an HF S-meter calibrated to the common standard?
About 50 microvolts into 50 ohms, or -73 dBm
About 1 microvolt into 50 ohms, or -107 dBm
About 1 millivolt into 50 ohms, or -47 dBm
About 1 volt into 50 ohms
À quel niveau de signal S9 correspond-il généralement sur un S-mètre HF étalonné selon la norme courante ?
Environ 50 microvolts sur 50 ohms, soit -73 dBm
Environ 1 microvolt sur 50 ohms, soit -107 dBm
Environ 1 millivolt sur 50 ohms, soit -47 dBm
Environ 1 volt sur 50 ohms
""") + [
    s_diff(5, 9), s_diff(1, 9),
]

S_DYNAMIC = parse("""
What is blocking or desensitisation of a receiver?
Loss of sensitivity caused by a strong nearby signal
The receiver refusing to tune outside a band
Loss of signal caused by a blown fuse
A fall in audio level when the squelch opens
Qu'est-ce que le blocage ou la désensibilisation d'un récepteur ?
Une perte de sensibilité causée par un signal fort voisin
Le refus du récepteur de s'accorder hors d'une bande
Une perte de signal due à un fusible grillé
Une baisse du niveau audio à l'ouverture du silencieux

What is the third-order intercept point (IP3) of a receiver?
The level at which third-order products would equal the wanted signals
The third frequency to which the receiver can be tuned from memory
The level at which the S-meter reads S9 plus 30 dB
The point where the AGC starts to act
Qu'est-ce que le point d'interception du troisième ordre (IP3) d'un récepteur ?
Le niveau auquel les produits du troisième ordre égaleraient les signaux utiles
La troisième fréquence sur laquelle le récepteur peut être accordé en mémoire
Le niveau auquel le S-mètre indique S9 plus 30 dB
Le point où la CAG commence à agir

What is the dynamic range of a receiver?
The span from the weakest usable signal to the strongest handled without distortion
The range of frequencies it can tune, from the lowest band to the very highest one
The range of its audio volume control
The range of temperatures over which it works
Qu'est-ce que la dynamique d'un récepteur ?
L'écart entre le plus faible signal utilisable et le plus fort traité sans distorsion
La plage de fréquences qu'il peut couvrir, de la plus basse bande à la toute plus haute
La plage de sa commande de volume audio
La plage de températures dans laquelle il fonctionne

What is reciprocal mixing?
LO phase noise mixing with a strong nearby signal into the IF
Two receivers mixing their signals through a common antenna
The mixer working in reverse during transmission
The image frequency mixing with the IF
Qu'est-ce que le mélange réciproque ?
Le bruit de phase de l'OL se mélangeant à un signal fort voisin dans la FI
Deux récepteurs mélangeant leurs signaux par une antenne commune
Le mélangeur fonctionnant à l'envers pendant l'émission
La fréquence image se mélangeant avec la FI

What is cross-modulation?
An unwanted signal's modulation transferred onto the wanted one
Two stations deliberately modulating each other's carriers
Modulation of the signal by the mains frequency
The wanted signal changing sideband
Qu'est-ce que la transmodulation ?
La modulation d'un signal indésirable reportée sur le signal utile
Deux stations modulant volontairement la porteuse l'une de l'autre
La modulation du signal par la fréquence du secteur
Le signal utile changeant de bande latérale

By how much do third-order intermodulation products rise when both input signals rise by 1 dB?
About 3 dB
About 1 dB
About 0.33 dB
They do not change
De combien les produits d'intermodulation du troisième ordre augmentent-ils lorsque les deux signaux d'entrée augmentent de 1 dB ?
D'environ 3 dB
D'environ 1 dB
D'environ 0,33 dB
Ils ne changent pas

How can a receiver's strong-signal performance be improved in practice on a crowded band?
By switching off the preamplifier or adding attenuation
By turning up the RF gain and preamplifier to maximum
By using a wider IF filter
By switching off the AGC
Comment peut-on améliorer en pratique le comportement d'un récepteur aux signaux forts sur une bande encombrée ?
En coupant le préamplificateur ou en ajoutant de l'atténuation
En poussant au maximum le gain HF et le préamplificateur
En utilisant un filtre FI plus large
En coupant la CAG

Why are third-order products more troublesome than second-order products in a receiver?
They fall close to the signals that produce them, often in the same band
They are always stronger than the wanted signals that produced them in the first place
They occur only on transmit
They fall at twice the signal frequency
Pourquoi les produits du troisième ordre sont-ils plus gênants que ceux du deuxième ordre dans un récepteur ?
Ils tombent près des signaux qui les produisent, souvent dans la même bande
Ils sont toujours plus forts que les signaux utiles qui les ont produits au départ
Ils n'apparaissent qu'en émission
Ils tombent au double de la fréquence du signal
""") + [
    imd3(7.05e6, 7.06e6), imd3(145.0e6, 145.1e6),
]

TOPIC = {
    "en": "Receivers",
    "fr": "Récepteurs",
    "sections": [S_SUPERHET, S_IMAGE, S_SELECT, S_NOISE, S_DETECT, S_DYNAMIC],
}
