"""Advanced topic 5: transmitters and modulation."""

from advanced_calc import calc, parse, si, num, unit_fmt, plain_fmt


def _pct(v, lang):
    return ("%s%%" if lang == "en" else "%s %%") % num(v, lang, 3)


def am_sb(pc, m):
    c = pc * m * m / 4
    return calc(
        "A %s carrier is modulated %d%% by a sine wave. What is the power in each sideband?" % (si(pc, "W", "en"), round(m * 100)),
        "Une porteuse de %s est modul\u00e9e \u00e0 %d %% par une sinuso\u00efde. Quelle est la puissance de chaque bande lat\u00e9rale ?" % (si(pc, "W", "fr"), round(m * 100)),
        # both sidebands together, m not squared, the 1/4 forgotten, the
        # depth taken as 100%
        [c, c * 2, pc * m / 2, pc * m * m, pc * m / 4, pc / 4], unit_fmt("W"))


def am_total(pc, m):
    c = pc * (1 + m * m / 2)
    return calc(
        "What is the total power of a %s carrier amplitude modulated to %d%% by a single tone?" % (si(pc, "W", "en"), round(m * 100)),
        "Quelle est la puissance totale d'une porteuse de %s modul\u00e9e en amplitude \u00e0 %d %% par une seule tonalit\u00e9 ?" % (si(pc, "W", "fr"), round(m * 100)),
        # the halving forgotten, m not squared, the carrier alone, one
        # sideband only, the envelope peak power, the sidebands alone
        [c, pc * (1 + m * m), pc * (1 + m / 2), pc, pc * (1 + m * m / 4), pc * (1 + m) ** 2,
         pc * m * m / 2], unit_fmt("W"))


def am_index(vmax, vmin):
    c = (vmax - vmin) / (vmax + vmin) * 100
    return calc(
        "An AM envelope measures %s divisions peak to peak at its crests and %s at its troughs. What is the modulation depth?" % (num(vmax, "en"), num(vmin, "en")),
        "Une enveloppe AM mesure %s divisions cr\u00eate \u00e0 cr\u00eate \u00e0 ses maxima et %s \u00e0 ses minima. Quel est le taux de modulation ?" % (num(vmax, "fr"), num(vmin, "fr")),
        # the difference over the crest or trough alone, the ratio of the
        # two, the wrong one of the two over their sum
        [c, (vmax - vmin) / vmax * 100, vmin / vmax * 100, vmin / (vmax + vmin) * 100,
         vmax / (vmax + vmin) * 100, (vmax - vmin) / vmin * 100], _pct)


def fm_index(dev, fm):
    c = dev / fm
    return calc(
        "An FM transmitter has a deviation of %s with a %s tone. What is the modulation index?" % (si(dev, "Hz", "en"), si(fm, "Hz", "en")),
        "Un \u00e9metteur FM a une excursion de %s pour une tonalit\u00e9 de %s. Quel est l'indice de modulation ?" % (si(dev, "Hz", "fr"), si(fm, "Hz", "fr")),
        # the ratio upside down, the deviation taken as peak to peak or
        # halved, one added, the Carson bandwidth over the tone
        [c, fm / dev, c * 2, c + 1, c / 2, 2 * (dev + fm) / fm], plain_fmt(""))


def carson(dev, fm):
    c = 2 * (dev + fm)
    return calc(
        "By Carson's rule, what bandwidth does FM with %s deviation and %s maximum audio occupy?" % (si(dev, "Hz", "en"), si(fm, "Hz", "en")),
        "D'apr\u00e8s la r\u00e8gle de Carson, quelle largeur de bande occupe une FM d'excursion %s et de fr\u00e9quence audio maximale %s ?" % (si(dev, "Hz", "fr"), si(fm, "Hz", "fr")),
        # one of the two terms left out, the doubling forgotten or applied
        # to one term, the whole sum doubled twice
        [c, 2 * dev, dev + fm, 2 * fm, 2 * dev + fm, dev + 2 * fm, 4 * (dev + fm)],
        unit_fmt("Hz"))


def fm_mult(f, dev, n, name_en, name_fr):
    c = dev * n
    return calc(
        "An FM transmitter's %s oscillator has %s deviation and is followed by %s. What is the output deviation?" % (si(f, "Hz", "en"), si(dev, "Hz", "en"), name_en),
        "L'oscillateur de %s d'un \u00e9metteur FM a une excursion de %s et est suivi %s. Quelle est l'excursion en sortie ?" % (si(f, "Hz", "fr"), si(dev, "Hz", "fr"), name_fr),
        # the deviation thought unchanged, divided, squared with the factor,
        # halved or doubled
        [c, dev, dev / n, dev * n * n, dev * n / 2, dev * n * 2], unit_fmt("Hz"))


def pa_eff(v, i, pout):
    c = pout / (v * i) * 100
    return calc(
        "A power amplifier draws %s at %s and delivers %s of RF. What is its efficiency?" % (si(i, "A", "en"), si(v, "V", "en"), si(pout, "W", "en")),
        "Un amplificateur de puissance absorbe %s sous %s et fournit %s de HF. Quel est son rendement ?" % (si(i, "A", "fr"), si(v, "V", "fr"), si(pout, "W", "fr")),
        # the losses for the efficiency, half or double, the output added
        # to the input
        [c, 100 - c, c / 2, c * 2 if c * 2 < 100 else (c + 100) / 2,
         pout / (v * i + pout) * 100, c * 1.5 if c * 1.5 < 100 else (100 - c) / 2], _pct)


def pa_diss(v, i, pout):
    c = v * i - pout
    return calc(
        "An amplifier runs from %s, draws %s and delivers %s. How much power does it dissipate as heat?" % (si(v, "V", "en"), si(i, "A", "en"), si(pout, "W", "en")),
        "Un amplificateur fonctionne sous %s, absorbe %s et fournit %s. Quelle puissance dissipe-t-il en chaleur ?" % (si(v, "V", "fr"), si(i, "A", "fr"), si(pout, "W", "fr")),
        # the output added, the input or output taken for the loss, the
        # loss halved
        [c, v * i + pout, v * i, pout, c / 2, pout / 2], unit_fmt("W"))


def harmonic(f, n):
    c = f * n
    ord_en = {2: "second", 3: "third", 4: "fourth", 5: "fifth"}[n]
    ord_fr = {2: "deuxi\u00e8me", 3: "troisi\u00e8me", 4: "quatri\u00e8me", 5: "cinqui\u00e8me"}[n]
    return calc(
        "A transmitter operates on %s. On what frequency does its %s harmonic fall?" % (si(f, "Hz", "en"), ord_en),
        "Un \u00e9metteur fonctionne sur %s. Sur quelle fr\u00e9quence tombe son %s harmonique ?" % (si(f, "Hz", "fr"), ord_fr),
        # the order counted from the fundamental as the first, or one too
        # few, a subharmonic, twice the order
        [c, f * (n + 1), f * (n - 1) if n > 2 else f * 1.5, f / n, f * 2 * n, f * n / 2],
        unit_fmt("Hz", 4))


S_AM = parse("""
Which components make up an AM signal modulated by a single audio tone?
The carrier and two sidebands offset by the audio frequency
The carrier alone, its frequency swinging with the audio
Two sidebands offset by the audio, with the carrier suppressed
One sideband offset by the audio, with a reduced carrier
De quoi se compose un signal AM modulé par une seule tonalité audio ?
La porteuse et deux bandes latérales décalées de l'audio
Une porteuse dont la fréquence varie avec l'audio
Deux bandes latérales décalées de l'audio, sans porteuse
Une bande latérale décalée de l'audio, avec une porteuse réduite

What happens when an AM transmitter is modulated beyond 100 percent?
The carrier is cut off in the troughs, causing splatter
The sidebands grow while the bandwidth stays the same
The sidebands move closer to the carrier, narrowing the signal
The audio is clipped at the receiver, but the signal stays clean
Que se passe-t-il lorsqu'un émetteur AM est modulé au-delà de 100 pour cent ?
La porteuse est coupée dans les creux, d'où des débordements
Les bandes latérales croissent sans que la bande s'élargisse
Les bandes latérales se rapprochent de la porteuse et le signal se resserre
L'audio est écrêté au récepteur, mais le signal émis reste propre

At 100 percent sine-wave modulation, what share of the total AM output power is in the carrier?
67%
50%
33%
100%
Avec une modulation sinusoïdale à 100 pour cent, quelle part de la puissance AM totale se trouve dans la porteuse ?
67 %
50 %
33 %
100 %

Why must an AM signal generated at a low power level be raised to full power by a linear amplifier?
A non-linear stage would distort the modulation envelope
A class C stage would strip the sidebands from the carrier
A linear stage raises the modulation depth as it amplifies
A non-linear stage would pull the carrier off frequency
Pourquoi un signal AM produit à bas niveau doit-il être porté à pleine puissance par un amplificateur linéaire ?
Un étage non linéaire déformerait l'enveloppe de modulation
Un étage en classe C ôterait les bandes latérales de la porteuse
Un étage linéaire augmente le taux de modulation en amplifiant
Un étage non linéaire décalerait la fréquence de la porteuse

Why is SSB more efficient than AM for voice communication?
Its power goes into one sideband, without a carrier, in half the bandwidth
Its voice is squeezed into a narrower band than the audio itself
Its power goes into the carrier, which then carries the voice further
Its two sidebands carry the same speech and add 3 dB at the receiver
Pourquoi la BLU est-elle plus efficace que l'AM pour les communications en phonie ?
Sa puissance va dans une bande latérale, sans porteuse, sur moitié moins de bande
Sa parole tient dans une bande plus étroite que l'audio elle-même
Sa puissance va dans la porteuse, qui porte ainsi la voix plus loin
Sa double bande porte deux fois la même parole et gagne 3 dB

What bandwidth does a double-sideband AM signal occupy?
Twice the highest modulating frequency
The highest modulating frequency
Twice the peak deviation
Half the highest modulating frequency
À quoi est égale la largeur de bande d'un signal AM à double bande latérale ?
Au double de la plus haute fréquence de modulation
À la plus haute fréquence de modulation
Au double de l'excursion de crête de la porteuse
À la moitié de la plus haute fréquence audio
""") + [
    am_sb(100.0, 0.8), am_sb(50.0, 0.6),
    am_total(100.0, 0.7),
    am_index(6.0, 2.0), am_index(5.0, 3.0),
]

S_SSB = parse("""
How is an SSB signal produced by the filter method?
A balanced modulator makes DSB; a crystal filter removes one sideband
A balanced modulator makes DSB and a notch filter removes the carrier
A crystal filter removes the carrier from an AM signal, leaving one sideband
A filter on the audio shapes the speech so that a single sideband forms
Comment un signal BLU est-il produit par la méthode du filtre ?
Un modulateur équilibré puis un filtre à quartz qui ôte une bande
Un modulateur équilibré donne une double bande ; un filtre réjecteur ôte la porteuse
Un filtre à quartz ôte la porteuse d'un signal AM, laissant une bande latérale
Un filtre audio façonne la parole pour qu'une bande latérale unique se forme

How does the phasing method of SSB generation suppress the unwanted sideband?
Two balanced modulators fed in quadrature make one sideband cancel
A sharp crystal notch is tuned onto the unwanted sideband
Two modulators fed in phase make the carrier cancel at the output
The audio is shifted by 180 degrees so that one sideband is inverted
Comment la méthode par déphasage supprime-t-elle la bande latérale indésirable ?
Deux modulateurs équilibrés attaqués en quadrature annulent une bande latérale
Un réjecteur à quartz étroit accordé sur la bande indésirable
Deux modulateurs attaqués en phase annulent la porteuse à la sortie
L'audio est déphasée de 180 degrés pour inverser une bande latérale

What is the likely result of a poorly balanced modulator in an SSB transmitter?
The carrier leaks into the output as a steady whistle
The unwanted sideband leaks through the filter into the output
The output is distorted on voice peaks, which causes splatter
The output drifts in frequency during speech and then settles
Que risque-t-on avec un modulateur mal équilibré dans un émetteur BLU ?
De la porteuse passe en sortie, entendue comme un sifflement fixe
La bande indésirable traverse le filtre et passe en sortie
La sortie est déformée sur les crêtes de parole, d'où des débordements
Le signal émis dérive en fréquence pendant la parole

How can one filter be used to select either upper or lower sideband?
By shifting the carrier oscillator to the other edge of the filter
By reversing the polarity of the audio fed to the balanced modulator
By swapping over the input and output connections of the filter
By unbalancing the modulator in favour of the wanted sideband
Comment peut-on choisir la bande latérale supérieure ou inférieure avec un seul filtre ?
En décalant l'oscillateur de porteuse de l'autre côté du filtre
En inversant la polarité de l'audio appliquée au modulateur équilibré
En permutant les connexions d'entrée et de sortie du filtre
En déséquilibrant le modulateur en faveur d'une bande latérale

What is a typical bandwidth of an SSB voice signal?
2.4 to 3 kHz
200 to 500 Hz
6 to 8 kHz
12 to 16 kHz
Quelle est la largeur de bande typique d'un signal BLU en phonie ?
2,4 à 3 kHz
200 à 500 Hz
6 à 8 kHz
12 à 16 kHz

Why must an SSB signal be amplified by linear stages?
Its envelope is the speech, which non-linearity would distort
Its amplitude is constant, which would overload a class C stage
Its suppressed carrier would reappear in a class C stage
Its frequency would be pulled by a non-linear class C stage
Pourquoi les signaux BLU doivent-ils être amplifiés par des étages linéaires ?
Leur enveloppe suit la parole, qu'une non-linéarité déformerait
Leur amplitude est constante et saturerait un étage en classe C
Leur porteuse supprimée réapparaîtrait dans un étage en classe C
Leur fréquence serait tirée par un étage en classe C, comme en FM

How does an SSB signal sound when the receiver is tuned a few hundred hertz off frequency?
Higher or lower in pitch and unnatural, but still readable
Normal in pitch, but a few S-units weaker
Distorted and unreadable, like AM with its carrier missing
Normal in pitch, with a beat note at the offset
Comment sonne un signal BLU lorsque le récepteur est décalé de quelques centaines de hertz ?
Plus aigu ou plus grave, peu naturel, mais encore lisible
De hauteur normale, mais plus faible de quelques unités S
Déformé et illisible, comme de l'AM privée de sa porteuse
De hauteur normale, mais avec un battement à la fréquence du décalage

Which sideband is used by convention for SSB voice on 40 m and 80 m, and on 20 m and above?
Lower on 40 m and 80 m, upper on 20 m and above
Upper on 40 m and 80 m, lower on 20 m and above
Upper on the HF bands, lower on VHF and UHF
Lower below 20 MHz, upper on 15 m and above
Quelle bande latérale utilise-t-on par convention en BLU phonie sur 40 m et 80 m, et sur 20 m et au-dessus ?
L'inférieure sur 40 et 80 m, la supérieure à partir de 20 m
La supérieure sur 40 et 80 m, l'inférieure à partir de 20 m
La supérieure en HF, l'inférieure en VHF et UHF
L'inférieure sous 20 MHz, la supérieure à partir de 15 m

When a single audio tone is applied to an ideal SSB transmitter, what is transmitted?
One steady RF signal, offset from the carrier by the tone
Two RF signals, either side of the carrier, twice the tone apart
A steady carrier whose amplitude goes up and down with the tone
A band of signals spread across the filter passband
Lorsqu'on applique une seule tonalité audio à un émetteur BLU idéal, qu'est-il émis ?
Un signal HF unique, décalé de la porteuse de la fréquence du son
Deux signaux HF de part et d'autre de la porteuse, écartés de deux fois le son
Une porteuse fixe dont l'amplitude monte et descend au rythme du son
Une bande de signaux étalée sur la largeur entière du filtre

What is meant by opposite sideband suppression in an SSB transmitter's data sheet?
How far the unwanted sideband lies below the wanted one, in dB
How far the suppressed carrier lies below the sideband, in dB
How far the harmonics lie below the peak power, in dB
How far the third-order products lie below two tones, in dB
Que désigne la réjection de la bande latérale opposée dans les caractéristiques d'un émetteur BLU ?
L'écart en dB entre la bande latérale indésirable et la bande utile
L'écart en dB entre la porteuse supprimée et la bande utile
L'écart en dB entre les harmoniques et la puissance de crête utile
L'écart en dB entre les produits du troisième ordre et deux tons

What does no output from an SSB transmitter when the microphone is silent indicate?
Normal operation, since the carrier is suppressed
A fault in the balanced modulator, which should pass the carrier
A failed carrier oscillator, which should give a steady output
An ALC fault, as the output should idle at a quarter of full power
Qu'indique l'absence de sortie d'un émetteur BLU lorsque le micro est silencieux ?
Un fonctionnement normal, puisqu'en BLU la porteuse est supprimée
Un défaut du modulateur équilibré, qui devrait laisser passer la porteuse
Une panne de l'oscillateur de porteuse, qui devrait donner une sortie fixe
Une panne de l'ALC, la sortie devant rester au quart
""")

S_FM = parse("""
In frequency modulation, what sets the deviation and what sets the rate at which the frequency swings?
The audio's amplitude sets the deviation; its frequency sets the rate
The audio's frequency sets the deviation; its amplitude sets the rate
The audio's amplitude sets both, through the pre-emphasis network
The carrier's power sets the deviation; the audio sets the rate
En modulation de fréquence, qu'est-ce qui fixe l'excursion et qu'est-ce qui fixe la cadence de variation de la fréquence ?
L'amplitude de l'audio fixe l'excursion ; sa fréquence fixe la cadence
La fréquence de l'audio fixe l'excursion ; son amplitude fixe la cadence
L'amplitude de l'audio fixe les deux, par le circuit de préaccentuation
La puissance porteuse fixe l'excursion ; l'audio fixe la cadence

How does phase modulation differ from frequency modulation for a given audio amplitude?
Its deviation rises in proportion to the audio frequency
Its deviation falls in proportion to the audio frequency
Its deviation is set by the audio frequency alone
Its carrier amplitude also varies with the audio level
En quoi la modulation de phase diffère-t-elle de la modulation de fréquence pour une amplitude audio donnée ?
Son excursion croît proportionnellement à la fréquence audio
Son excursion baisse en proportion de la fréquence audio
Son excursion ne dépend que de la fréquence audio
Sa porteuse varie aussi en amplitude avec le niveau audio

What is the purpose of pre-emphasis in an FM transmitter and de-emphasis in the receiver?
To lift the treble before sending and cut it after, lowering hiss
To lift the bass before sending and cut it after, lowering hum
To raise the deviation on loud speech and limit it on quiet speech
To lift the treble before sending so that it carries further
Quel est le rôle de la préaccentuation dans un émetteur FM et de la désaccentuation dans le récepteur ?
Accentuer les aigus à l'émission et les atténuer ensuite, contre le souffle
Relever les graves à l'émission et les abaisser ensuite, contre le ronflement
Augmenter l'excursion sur la parole forte et la limiter sur la parole faible
Relever les aigus à l'émission pour qu'ils portent plus loin

What is the capture effect in FM reception?
The stronger co-channel signal takes over the receiver
The two co-channel signals are heard mixed at equal strength
The weaker of two co-channel signals is lifted to full level
The squelch holds on the first signal heard, even as it fades
Qu'est-ce que l'effet de capture en réception FM ?
Le plus fort de deux signaux sur le même canal s'impose au récepteur
Les deux signaux du même canal sont entendus mêlés au récepteur
Un signal plus faible sur le même canal est remonté au plein niveau
Le silencieux reste ouvert sur le premier signal reçu, même s'il faiblit

What is the effect of over-deviation in an FM transmitter?
The signal spills beyond its channel into adjacent ones
The signal stays in its channel but the received audio is quieter
The carrier power rises and overloads the final amplifier
The carrier frequency shifts and stays off channel afterwards
Quel est l'effet d'une excursion excessive dans un émetteur FM ?
Le signal déborde de son canal sur les canaux voisins
Le signal reste dans son canal mais l'audio reçue est plus faible
Le niveau de la porteuse augmente et surcharge l'amplificateur final
Le signal glisse en fréquence et reste ensuite hors du canal

A home-built 2 m FM transmitter uses an 8.1 MHz crystal oscillator followed by multipliers with a total factor of 18. On the air the signal is reported as far too narrow and quiet, and a deviation meter shows 1.5 kHz at the output instead of the intended 4.5 kHz. What should be done?
Triple the deviation applied at the oscillator, to 250 Hz
Multiply the oscillator's deviation by 18, to 27 kHz
Add a multiplier stage so that the deviation rises to 4.5 kHz
Raise the output power until the deviation reads 4.5 kHz
Un émetteur FM 2 m de construction amateur utilise un oscillateur à quartz de 8,1 MHz suivi de multiplicateurs de facteur total 18. Le signal est jugé bien trop étroit et faible, et un excursiomètre indique 1,5 kHz en sortie au lieu des 4,5 kHz prévus. Que faut-il faire ?
Tripler l'excursion appliquée à l'oscillateur, soit 250 Hz
Multiplier par 18 l'excursion de l'oscillateur, soit 27 kHz
Ajouter un étage multiplicateur pour porter l'excursion à 4,5 kHz
Augmenter la puissance de sortie jusqu'à 4,5 kHz d'excursion
""") + [
    fm_index(5e3, 2.5e3), fm_index(3e3, 1e3),
    carson(5e3, 3e3), carson(2.5e3, 3e3),
    fm_mult(12e6, 500.0, 12, "a multiplier chain with a total factor of 12", "d'une cha\u00eene de multiplication de facteur total 12"),
]

S_ARCH = parse("""
Why do multiband SSB transmitters use mixing rather than frequency multiplication to reach the output frequency?
Mixing moves the SSB signal intact; multiplying would distort it
Mixing gives more output power than a multiplier chain
Mixing keeps the sideband, where multiplying would invert it
Mixing avoids the harmonics that a multiplier generates
Pourquoi les émetteurs BLU multibandes utilisent-ils le mélange plutôt que la multiplication de fréquence pour atteindre la fréquence de sortie ?
Le mélange déplace la BLU intacte ; la multiplication la déformerait
Le mélange donne plus de puissance qu'une chaîne de multiplicateurs
Le mélange garde la bande latérale, que la multiplication inverserait
Le mélange évite les harmoniques que produit un multiplicateur

What are parasitic oscillations in a power amplifier, and how are they cured?
VHF self-oscillation from stray L and C, damped by suppressors
Harmonics of the operating frequency, cured by an antenna tuner
Oscillation at the mains frequency, cured by better smoothing
Oscillation on the operating frequency, cured by reducing the drive
Que sont les oscillations parasites dans un amplificateur de puissance, et comment les supprime-t-on ?
Des oscillations VHF dues aux L et C parasites, amorties par self et résistance
Des harmoniques de la fréquence de travail, supprimés par une boîte d'accord
Une oscillation à la fréquence du secteur, supprimée par un meilleur filtrage
Une oscillation sur la fréquence de travail, supprimée en réduisant l'excitation

What is the purpose of neutralisation in an RF amplifier?
To cancel the feedback that would make the stage oscillate
To cancel the even harmonics produced in the output stage
To balance the bias of two valves working in push-pull
To cancel the hum that the heater supply puts on the signal
Quel est le but du neutrodynage dans un amplificateur HF ?
Annuler la réaction interne qui ferait osciller l'étage
Annuler les harmoniques pairs produits dans l'étage de sortie
Annuler l'écart de polarisation entre deux tubes en push-pull
Annuler le ronflement que l'alimentation des filaments ajoute au signal

What is chirp on a CW signal and what usually causes it?
A frequency shift at each key-down, from oscillator pulling
A click either side of the signal, from keying edges that are too fast
A hum on the note, from poor smoothing of the transmitter's supply
A slow drift over an hour, as the oscillator warms up in its box
Qu'est-ce que le « chirp » sur un signal de télégraphie et quelle en est la cause habituelle ?
Un glissement de fréquence au début des éléments, l'oscillateur étant tiré
Des claquements de part et d'autre de la note, dus à des fronts trop raides
Un ronflement sur la note, dû à un mauvais filtrage de l'alimentation
Une lente dérive sur une heure, pendant que l'oscillateur chauffe

How are the tune (plate) and load controls of a valve amplifier's pi-network adjusted?
Dip the plate current with tune, then load to rated current
Tune for the highest plate current, then load until grid current stops
Load for the plate-current dip, then tune for the most grid current
Tune for the lowest SWR, then leave the load control at its minimum
Comment règle-t-on l'accord (plaque) et la charge du circuit en pi d'un amplificateur à tubes ?
Accorder au creux du courant plaque puis charger jusqu'au courant nominal
Accorder au maximum du courant plaque, puis charger jusqu'à l'arrêt du courant grille
Charger au creux du courant plaque, puis accorder au maximum du courant grille
Accorder au plus faible ROS, puis laisser la charge au minimum

Why does phase noise on a transmitter's oscillator matter to other stations?
It spreads hiss onto the nearby frequencies that others are using
It adds harmonics that fall in other bands, far from the carrier
It makes the signal drift slowly off its frequency over a QSO
It widens the audio response, so speech sounds harsh on the air
Pourquoi le bruit de phase de l'oscillateur d'un émetteur importe-t-il aux autres stations ?
Il étale un souffle sur les fréquences voisines utilisées par d'autres
Il ajoute des harmoniques qui tombent dans d'autres bandes, loin de la porteuse
Il fait lentement dériver le signal hors de sa fréquence pendant un QSO
Il élargit la réponse audio, si bien que la parole sonne dure à l'antenne

In a grounded-grid valve linear amplifier, what does excessive grid current usually show?
Too much drive or too light a load on the output
Too little drive, so the valve is short of cathode emission
A failing heater, leaving the cathode short of emission
Normal running, since grid current rises with the output power
Dans un amplificateur linéaire à tubes à grille à la masse, que signale en général un courant grille excessif ?
Une excitation trop forte ou une charge trop légère
Trop peu d'excitation, si bien que la cathode manque d'émission
Un filament en fin de vie, la cathode manquant d'émission
Un fonctionnement normal, puisqu'il croît avec la puissance de sortie

Why is an overtone crystal often used in the oscillator of a VHF transmitter?
It runs near an odd multiple of its fundamental, with crystal stability
It runs near an even multiple of its fundamental, with crystal stability
It runs at half its marked frequency, which makes the filtering easier
It pulls over a whole band, as a variable oscillator does
Pourquoi utilise-t-on souvent un quartz partiel dans l'oscillateur d'un émetteur VHF ?
Il oscille près d'un multiple impair de sa fondamentale
Il oscille près d'un multiple pair de sa fondamentale
Il oscille à la moitié de sa fréquence marquée, ce qui facilite le filtrage
Il se laisse tirer sur une bande entière, comme un oscillateur variable

At a shared site, one transmitter's signal reaches the output stage of another through the antennas. What can this produce?
Mixing products such as 2f1 - f2, radiated by the second transmitter
Harmonics of the second transmitter raised to twice their usual level
A rise in the first transmitter's output as the two powers add
Cancellation of both carriers whenever the two are in antiphase
Sur un site partagé, le signal d'un émetteur atteint l'étage de sortie d'un autre par les antennes. Que peut-il en résulter ?
Des produits de mélange comme 2f1 - f2, rayonnés par le second émetteur
Des harmoniques du second émetteur portés au double de leur niveau habituel
Une hausse de la sortie du premier émetteur, les deux puissances s'ajoutant
L'annulation des deux porteuses lorsqu'elles sont en opposition de phase

What is fitted to a repeater transmitter at a crowded site to keep other stations' signals out of its output stage?
A circulator or isolator with a dummy load on its third port
A duplexer tuned to pass the other transmitters' frequencies
A low-pass filter set just above its own transmit frequency
A balun at the antenna feed point to stop common-mode current
Que monte-t-on sur l'émetteur d'un relais, sur un site encombré, pour tenir les signaux des autres stations hors de son étage de sortie ?
Un circulateur ou un isolateur avec une charge sur son troisième accès
Un duplexeur accordé pour laisser passer les autres fréquences du site
Un filtre passe-bas réglé juste au-dessus de sa fréquence d'émission
Un balun au point d'alimentation de l'antenne contre le mode commun

Why should a transmitter's output stage never be operated without a suitable load?
The mismatch stresses the output devices past their ratings
The output would radiate on a harmonic instead of the carrier
The oscillator would be pulled off frequency by the open line
The power would return to the supply and blow its fuse
Pourquoi ne faut-il jamais faire fonctionner l'étage de sortie d'un émetteur sans charge appropriée ?
La désadaptation surcharge les composants de sortie
La sortie rayonnerait sur un harmonique au lieu de la porteuse
La fréquence de l'oscillateur serait tirée par la ligne ouverte
La puissance reviendrait à l'alimentation et ferait sauter son fusible
""")

S_CLASSES = parse("""
Which amplifier class conducts over the whole input cycle and gives the best linearity but the lowest efficiency?
Class A
Class B
Class C
Class D
Quelle classe d'amplificateur conduit pendant tout le cycle d'entrée et offre la meilleure linéarité mais le plus faible rendement ?
La classe A
La classe B
La classe C
La classe D

Over what part of the input cycle does a class B amplifier device conduct?
Half the cycle, 180 degrees
The whole cycle, 360 degrees
Much less than half, under 180 degrees
Between 180 and 360 degrees
Pendant quelle partie du cycle d'entrée le composant d'un amplificateur en classe B conduit-il ?
La moitié du cycle, soit 180 degrés
La totalité du cycle, soit 360 degrés
Une faible part, bien sous 180 degrés
Une part comprise entre 180 et 360 degrés

Why is class AB common in linear amplifiers for SSB?
Its small idle current gives low distortion and good efficiency
Its zero bias removes the idle current and so raises the efficiency
It biases the stage beyond cut-off, so that distortion cancels
It biases the stage to mid-point, so that it conducts the whole cycle
Pourquoi la classe AB est-elle courante dans les amplificateurs linéaires pour la BLU ?
Son faible courant de repos donne peu de distorsion et un bon rendement
Sa polarisation nulle supprime le courant de repos et accroît le rendement
Elle polarise l'étage au-delà du blocage, si bien que la distorsion s'annule
Elle polarise l'étage à mi-course, si bien qu'il conduit pendant le cycle entier

Why is a class C amplifier suitable for CW and FM but not for SSB?
Its non-linearity is harmless when the amplitude is constant
Its conduction over the whole cycle suits constant carriers
Its narrow bandwidth cuts the sidebands of SSB but not of FM
Its bias is too low for it to follow the voice peaks of an SSB signal
Pourquoi un amplificateur en classe C convient-il à la télégraphie et à la FM mais pas à la BLU ?
Sa non-linéarité est sans effet quand l'amplitude est constante
Sa conduction pendant le cycle entier va bien aux porteuses constantes
Sa bande étroite coupe les bandes latérales de la BLU mais pas de la FM
Sa polarisation est trop faible pour suivre les crêtes de la parole en BLU

What is an advantage of a push-pull RF amplifier?
Even-order harmonics cancel in the output transformer
Odd-order harmonics cancel in the output transformer windings
Each device conducts for the whole cycle, raising efficiency
The two halves share the input, halving the drive needed
Quel est un avantage d'un amplificateur HF push-pull ?
Les harmoniques pairs s'annulent dans le transformateur de sortie
Les harmoniques impairs s'annulent dans le transformateur de sortie
Les deux composants conduisent pendant le cycle entier, d'où le rendement
Les deux moitiés se partagent l'entrée, d'où deux fois moins d'excitation

What two jobs does a pi-network output circuit do in a transmitter?
It matches the amplifier to the line and attenuates harmonics
It matches the amplifier to the line and blocks the DC supply
It tunes out the valve's capacitance and neutralises the stage
It filters the supply ripple and suppresses VHF parasitics
Quelles sont les deux fonctions d'un circuit de sortie en pi dans un émetteur ?
Il adapte l'amplificateur à la ligne et atténue les harmoniques
Il adapte l'amplificateur à la ligne et bloque la tension continue
Il compense la capacité du tube et neutrodyne l'étage
Il filtre l'ondulation de l'alimentation et supprime les parasites VHF

How do switching amplifiers such as class D and E achieve very high efficiency?
The device is fully on or fully off, so it dissipates little
The device conducts for a short pulse at each peak of the drive
The device is biased to the middle of its range, keeping it cool
The output network returns the reflected power to the supply
Comment les amplificateurs à commutation, tels que les classes D et E, obtiennent-ils un rendement très élevé ?
Le composant est saturé ou bloqué, et dissipe donc peu
Le composant conduit par brèves impulsions aux crêtes de l'excitation
Le composant est polarisé au milieu de sa plage, ce qui le garde froid
Le réseau de sortie renvoie la puissance réfléchie vers l'alimentation

An operator compares two 100 W amplifiers for long FM contacts: one runs in class AB at 50% efficiency, the other in class C at 75% efficiency. About how much heat must each one get rid of at full output?
About 100 W in class AB and about 33 W in class C
About 50 W in class AB and about 25 W in class C
About 200 W in class AB and about 133 W in class C
About 100 W in both classes, since the output is the same
Un opérateur compare deux amplificateurs de 100 W pour de longues liaisons en FM : l'un fonctionne en classe AB avec un rendement de 50 %, l'autre en classe C avec un rendement de 75 %. Quelle chaleur chacun doit-il évacuer à pleine puissance ?
Environ 100 W en classe AB et environ 33 W en classe C
Environ 50 W en classe AB et environ 25 W en classe C
Environ 200 W en classe AB et environ 133 W en classe C
Environ 100 W dans les deux classes, puisque la sortie est la même
""") + [
    pa_eff(13.8, 18.0, 100.0), pa_eff(50.0, 25.0, 800.0),
    pa_diss(13.8, 20.0, 100.0),
]

S_SPURIOUS = parse("""
Why is a high-Q cavity filter often fitted between a repeater transmitter and its antenna at a shared site?
To cut its wideband noise on nearby receive channels
To raise its radiated power by making the feed line resonate
To match the transmitter to the antenna over the whole band
To let it share one antenna with receivers on the same frequency
Pourquoi place-t-on souvent un filtre à cavité à fort Q entre l'émetteur d'un relais et son antenne sur un site partagé ?
Pour réduire son bruit large bande sur les récepteurs voisins
Pour augmenter la puissance rayonnée en faisant résonner la ligne
Pour adapter l'émetteur à l'antenne sur la bande entière
Pour partager l'antenne avec des récepteurs sur la même fréquence

What is meant by spurious emissions?
Emissions far outside the necessary bandwidth, like harmonics
Emissions inside the necessary bandwidth, such as the sidebands
Emissions just outside the channel, caused by the modulation itself
Emissions on the wanted frequency that exceed the licensed power
Que désigne-t-on par émissions non essentielles ?
Les émissions loin de la bande nécessaire, comme les harmoniques
Les émissions dans la bande nécessaire, comme les bandes latérales
Les émissions juste hors du canal, dues à la modulation elle-même
Les émissions sur la fréquence voulue au-delà de la puissance autorisée

What often causes splatter from an SSB transmitter with a linear amplifier?
Overdriving the amplifier, which flattens the speech peaks
Too little microphone gain, with the processor switched off
Too much ALC, which holds the drive below the amplifier's limit
Running the amplifier in class AB rather than class A
Quelle est la cause fréquente des débordements (splatter) d'un émetteur BLU équipé d'un amplificateur linéaire ?
Une surexcitation de l'amplificateur, qui écrase les crêtes
Une commande de gain micro trop basse, le processeur coupé
Une ALC trop forte, qui maintient l'excitation de l'amplificateur sous sa limite
Une polarisation en classe AB au lieu de la classe A

A neighbour's television is disturbed only when you transmit, even though your signal is clean. What is the most likely cause?
Overload of the set's front end by your strong signal
Harmonics from your transmitter falling on the TV channel
Your signal mixing with the TV signal in the ionosphere
Your antenna re-radiating the TV channel at a higher level
La télévision d'un voisin est perturbée seulement quand vous émettez, bien que votre signal soit propre. Que faut-il soupçonner en premier ?
La saturation de l'étage d'entrée du poste par votre signal fort
Les harmoniques de votre émetteur qui tombent sur le canal TV
Le mélange de votre signal avec celui de la TV dans l'ionosphère
Votre antenne qui rerayonne le canal TV à un niveau plus élevé

What can a common-mode choke on the cables of a neighbour's equipment achieve?
It blocks RF currents flowing on the outside of the cables
It removes harmonics radiated by your transmitter's antenna
It blocks the wanted signal carried inside the coaxial cable
It filters mains hum picked up by the cables from the wiring
Qu'apporte une self de mode commun placée sur les câbles d'un équipement du voisinage ?
Elle bloque les courants HF circulant sur l'extérieur des câbles
Elle supprime les harmoniques rayonnés par l'antenne de votre émetteur
Elle bloque le signal utile transporté à l'intérieur du coaxial
Elle filtre le ronflement secteur capté par les câbles

What is the rusty bolt effect?
Corroded joints rectify strong signals and re-radiate mixing products
Corroded connectors add loss that makes the SWR look better
Corroded tower joints detune the antenna and shift its resonance
Corroded joints in the mains wiring cause hum on your signal
Qu'est-ce que l'effet « boulon rouillé » ?
Des contacts rouillés redressent les signaux forts et rayonnent des mélanges
Des connecteurs corrodés ajoutent des pertes qui améliorent le ROS affiché
Des joints de pylône rouillés désaccordent l'antenne et déplacent sa résonance
Des contacts corrodés du secteur causent un ronflement sur votre signal

How is the suppression of a transmitter's harmonics usually expressed?
In decibels relative to the carrier or PEP (dBc)
In decibels relative to an isotropic antenna (dBi)
In percent of the SWR on the feed line
In volts per metre, measured at the antenna
Comment exprime-t-on habituellement la réjection des harmoniques d'un émetteur ?
En décibels sous la porteuse ou la PEP (dBc)
En décibels par rapport à l'antenne isotrope (dBi)
En pourcentage du ROS mesuré sur la ligne
En volts par mètre, mesurés à l'antenne

Why must the screening of a transmitter be continuous, with good contact at every panel joint?
Slots and poor joints let RF currents leak out and radiate
The screen also carries the DC supply current to each stage
Poor joints detune the output network and lower the power
Gaps let mains hum into the stages through the panel seams
Pourquoi le blindage d'un émetteur doit-il être continu, avec un bon contact à chaque jonction de panneau ?
Fentes et mauvais contacts laissent fuir et rayonner la HF
Le blindage porte aussi le courant d'alimentation des étages
Les mauvais contacts désaccordent la sortie et réduisent la puissance
Les fentes laissent entrer le ronflement secteur dans les étages
""") + [
    harmonic(7.1e6, 3), harmonic(14.25e6, 2),
    harmonic(3.55e6, 4),
]

S_KEYING = parse("""
What causes key clicks on a CW signal, and how are they cured?
Too-fast keying edges; a shaping network slows them down
Too slow a keying speed; sending faster clears them
Poor supply regulation; a larger reservoir cures them
Oscillator pulling; a buffer stage after it cures them
D'où viennent les claquements de manipulation d'un signal de télégraphie, et comment les supprime-t-on ?
Des fronts trop raides ; un circuit de mise en forme les adoucit
Une manipulation trop lente ; manipuler plus vite les supprime
Une alimentation mal régulée ; un plus gros condensateur les supprime
L'entraînement de l'oscillateur ; un étage tampon les supprime

What is the purpose of automatic level control (ALC) in an SSB transmitter?
To cut back the drive before the amplifiers are overdriven
To keep the SWR near 1:1 by retuning the output network
To hold the carrier frequency steady as the power changes
To raise the drive on quiet syllables
Quel est le rôle de la commande automatique de niveau (ALC) dans un émetteur BLU ?
Réduire l'excitation avant que les amplificateurs soient surexcités
Garder le ROS près de 1:1 en réaccordant le circuit de sortie
Stabiliser la fréquence porteuse quand la puissance varie
Relever l'excitation sur les syllabes faibles

What does a speech processor do, and what is the risk of using too much?
It raises the average power; too much adds distortion and noise
It lifts peaks above the rating; too much trips the ALC
It narrows the audio band to 500 Hz; too much muffles the voice
It lowers the average power; too much makes the voice too quiet
Que fait un processeur de parole, et quel est le risque d'en abuser ?
Il élève la puissance moyenne ; en excès, il ajoute distorsion et bruit
Il élève la crête au-delà du nominal ; en excès, l'ALC coupe
Il réduit la bande audio à 500 Hz ; en excès, la voix devient sourde
Il abaisse la puissance moyenne ; en excès, la voix devient trop faible

How is frequency-shift keying (FSK) used for radioteletype?
The carrier moves between mark and space, 170 Hz apart
The carrier is switched on and off at the data rate
The carrier's phase is reversed at each change of bit
The carrier's amplitude moves between two levels
Comment la manipulation par déplacement de fréquence (FSK) sert-elle au radiotélétype ?
La porteuse passe du travail au repos, à 170 Hz d'écart
La porteuse est établie et coupée au rythme des données
La phase de la porteuse s'inverse quand le bit change
La porteuse change d'amplitude entre deux niveaux

Why should the audio of a digital mode fed to an SSB transmitter stay below strong ALC action?
Overdrive makes the stages non-linear and widens the signal
The ALC shifts the audio tones and so the decoded frequency
The ALC adds a carrier that the other station has to notch out
Strong ALC moves the signal across to the opposite sideband
Pourquoi l'audio d'un mode numérique appliqué à un émetteur BLU doit-il rester sous une forte action de l'ALC ?
La surexcitation rend les étages non linéaires et élargit le signal
L'ALC décale les tonalités audio et donc la fréquence décodée
L'ALC ajoute une porteuse que l'autre station doit éliminer
Une forte ALC fait passer le signal sur l'autre bande latérale

Why should power often be reduced for continuous modes such as FM, RTTY or data?
Their 100% duty cycle heats the amplifier more than speech does
Their narrow bandwidth needs less power for the same copy
Their constant envelope overloads the ALC at full power
Their steady carrier raises the SWR and heats the feed line
Pourquoi faut-il souvent réduire la puissance pour les modes continus comme la FM, le RTTY ou les données ?
Leur émission continue chauffe l'ampli bien plus que la parole
Leur bande étroite demande moins de puissance pour la même lecture
Leur enveloppe constante sature l'ALC à pleine puissance
Leur porteuse continue élève le ROS et chauffe la ligne

Why does a narrow phase-shift keyed mode such as PSK31 need a linear transmitter?
Its envelope dips at each reversal; a class C stage would widen it
Its constant amplitude would be distorted by a class C stage
Its phase would be shifted by a class C stage, corrupting the data
Its carrier must stay below the ALC threshold to be decoded
Pourquoi un mode étroit à déplacement de phase comme le PSK31 a-t-il besoin d'un émetteur linéaire ?
Son enveloppe se creuse aux inversions de phase ; la classe C l'élargirait
Son amplitude constante serait déformée par un étage en classe C
Sa phase serait décalée par un étage en classe C, faussant les données
Sa porteuse doit rester sous le seuil de l'ALC pour être décodée

How does the bandwidth of a data signal relate to its symbol rate?
A higher symbol rate needs a wider bandwidth
A higher symbol rate fits in a narrower bandwidth
The bandwidth depends on the transmitter power alone
The bandwidth is set by the number of bits per symbol alone
Quel rapport y a-t-il entre la largeur de bande d'un signal de données et sa rapidité de modulation ?
Une rapidité plus élevée demande une bande plus large
Une rapidité plus élevée tient dans une bande plus étroite
La bande ne dépend que de la puissance de l'émetteur
La bande ne dépend que du nombre de bits par symbole

What does the anti-VOX control of a transceiver do?
It stops sound from the loudspeaker triggering the VOX
It stops the VOX releasing between words of a sentence
It stops RF fed back into the microphone keying the transmitter
It stops background noise in the shack triggering the VOX
Que fait la commande anti-VOX d'un émetteur-récepteur ?
Elle empêche le son venant du haut-parleur de déclencher le VOX
Elle empêche le VOX de retomber entre les mots d'une phrase
Elle empêche la HF revenant dans le micro de passer en émission
Elle empêche le bruit ambiant de la station de déclencher le VOX

Why must a transmitter sending a wide OFDM data signal be run well below its peak power rating?
Its many carriers add up to peaks far above the average power
Its carriers are spaced so closely that they overheat the filter
Its constant envelope keeps the amplifier at full power throughout
Its error correction needs spare power to resend lost data
Pourquoi un émetteur qui transmet un large signal de données OFDM doit-il fonctionner bien en dessous de sa puissance de crête nominale ?
Ses nombreuses porteuses s'additionnent en crêtes bien au-dessus de la moyenne
Ses porteuses sont si rapprochées qu'elles font chauffer le filtre
Son enveloppe constante maintient l'amplificateur à pleine puissance
Son code correcteur exige une réserve de puissance pour renvoyer les données

Why is the keying speed of a CW signal related to the bandwidth it occupies?
Faster keying, with faster edges, spreads wider sidebands
Faster keying shifts the carrier further from its frequency
Keying speed changes the received pitch, not the bandwidth
Slower keying needs a wider filter at the transmitter
Pourquoi la vitesse de manipulation d'un signal de télégraphie est-elle liée à la largeur de bande qu'il occupe ?
Une manipulation plus rapide, aux fronts plus raides, élargit les bandes latérales
Une manipulation plus rapide écarte davantage la porteuse de sa fréquence
Une vitesse plus haute ne change que la hauteur de la note reçue
Une manipulation plus lente exige un filtre plus large à l'émetteur
""")

TOPIC = {
    "en": "Transmitters and modulation",
    "fr": "Émetteurs et modulation",
    "sections": [S_AM, S_SSB, S_FM, S_ARCH, S_CLASSES, S_SPURIOUS, S_KEYING],
}
