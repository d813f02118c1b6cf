"""Advanced topic 3: measurements and test equipment."""

import math

from advanced_calc import calc, parse, si, num, unit_fmt


def _ohm_fmt(v, lang):
    return si(v, "ohms", lang, 3)


# Each family lists the key first, then the results of the slips a candidate
# really makes, more than a question shows, so that calc() can choose three
# that say nothing of the key.

def shunt(im, rm, i):
    c = rm * im / (i - im)
    # The ratio turned upside down, the meter's own resistance less the
    # shunt, the meter drop divided by the meter current, a decade.
    vm = im * rm
    return calc(
        "A %s meter movement of %s must read %s full scale. What shunt is needed?" % (si(im, "A", "en"), si(rm, "ohms", "en"), si(i, "A", "en")),
        "Un galvanom\u00e8tre de %s et de %s doit indiquer %s pleine \u00e9chelle. Quel shunt faut-il ?" % (si(im, "A", "fr"), si(rm, "ohms", "fr"), si(i, "A", "fr")),
        [c, rm - c, c * 10, rm * (i - im) / im, c / 10, vm / (i - im) * 1000, (i - im) / vm], _ohm_fmt,
        compound=True)


def multiplier(im, rm, v):
    c = v / im - rm
    # The meter's resistance added instead of taken off, or forgotten; the
    # voltage times the current; a decade.
    return calc(
        "A %s meter movement of %s must read %s full scale. What series resistor is needed?" % (si(im, "A", "en"), si(rm, "ohms", "en"), si(v, "V", "en")),
        "Un galvanom\u00e8tre de %s et de %s doit indiquer %s pleine \u00e9chelle. Quelle r\u00e9sistance s\u00e9rie faut-il ?" % (si(im, "A", "fr"), si(rm, "ohms", "fr"), si(v, "V", "fr")),
        [c, v / im, v / im + rm, c / 10, c * 10, c / 2, v / im * 10], _ohm_fmt)


def gate(t, n=1):
    c = n / t
    # The prescaler forgotten, its ratio applied the wrong way, the gate time
    # read as a rate, a decade.
    if n == 1:
        en = "A frequency counter counts input cycles during a gate time of %s. What is the resolution of its reading?" % si(t, "s", "en")
        fr = "Un fr\u00e9quencem\u00e8tre compte les cycles d'entr\u00e9e pendant un temps de porte de %s. Quelle est la r\u00e9solution de sa lecture ?" % si(t, "s", "fr")
        slips = [c * 10, c / 10, c * 1000, c / 2, c * 2, c / 1000]
    else:
        en = ("A counter counts the output of a divide-by-%d prescaler during a gate time of %s and multiplies the count by %d. "
              "What is the resolution of its reading?" % (n, si(t, "s", "en"), n))
        fr = ("Un fr\u00e9quencem\u00e8tre compte pendant %s la sortie d'un pr\u00e9diviseur par %d et multiplie le compte par %d. "
              "Quelle est sa r\u00e9solution ?" % (si(t, "s", "fr"), n, n))
        slips = [1.0 / t, 1.0 / (n * t), c * 10, c / 10, n * t, c * 2]
    return calc(en, fr, [c] + slips, unit_fmt("Hz"), compound=n > 1)


def ppm_err(f, ppm):
    c = f * ppm * 1e-6
    # ppm taken as parts per thousand or per billion, a decade, the whole
    # spread counted twice, the error divided instead of multiplied.
    return calc(
        "A counter with a timebase accurate to %s ppm reads %s. Ignoring resolution, how far may the true frequency differ?" % (num(ppm, "en"), si(f, "Hz", "en")),
        "Un fr\u00e9quencem\u00e8tre dont la base de temps est pr\u00e9cise \u00e0 %s ppm indique %s. Hors r\u00e9solution, de combien la fr\u00e9quence vraie peut-elle s'\u00e9carter ?" % (num(ppm, "fr"), si(f, "Hz", "fr")),
        [c, c * 1000, c / 10, c * 10, c * 2, c / 1000, f / 1e6 / ppm], lambda v, lang: "\u00b1" + si(v, "Hz", lang, 3),
        compound=True)


def tb_err(f, ftb, df):
    c = f * df / ftb
    # The timebase offset taken as it stands, divided by the ratio instead
    # of multiplied, a decade, or doubled.
    return calc(
        "A counter's %s timebase runs %s high. It reads a signal as %s. By about how much is that reading wrong?" % (si(ftb, "Hz", "en"), si(df, "Hz", "en"), si(f, "Hz", "en", 5)),
        "Un fr\u00e9quencem\u00e8tre dont la base de temps de %s est haute de %s lit %s. De combien environ cette lecture est-elle fausse ?" % (si(ftb, "Hz", "fr"), si(df, "Hz", "fr"), si(f, "Hz", "fr", 5)),
        [c, float(df), df * ftb / f, c * 10, c / 10, c * 2, df * f / 1e6], unit_fmt("Hz"))


def scope_f(div, tdiv):
    c = 1.0 / (div * tdiv)
    # The divisions forgotten or used the wrong way, the period read as a
    # frequency, half a cycle taken for a whole one, a decade.
    return calc(
        "On an oscilloscope set to %s per division, one complete cycle of a waveform spans %s divisions. What is its frequency?" % (si(tdiv, "s", "en"), num(div, "en")),
        "Sur un oscilloscope r\u00e9gl\u00e9 \u00e0 %s par division, une p\u00e9riode compl\u00e8te d'un signal occupe %s divisions. Quelle est sa fr\u00e9quence ?" % (si(tdiv, "s", "fr"), num(div, "fr")),
        [c, 1.0 / tdiv, div / tdiv, c * 10, c / 2, c * 2, c / 10, c * 1000], unit_fmt("Hz"))


def scope_v(div, vdiv):
    c = div * vdiv / 2
    # Peak to peak for peak, the RMS value, the average value, half the
    # divisions divided instead of multiplied.
    return calc(
        "With the vertical input set to %s per division, a sine wave measures %s divisions from peak to peak. What is its peak voltage?" % (si(vdiv, "V", "en"), num(div, "en")),
        "L'entr\u00e9e verticale \u00e9tant r\u00e9gl\u00e9e \u00e0 %s par division, une sinuso\u00efde mesure %s divisions de cr\u00eate \u00e0 cr\u00eate. Quelle est sa tension de cr\u00eate ?" % (si(vdiv, "V", "fr"), num(div, "fr")),
        [c, 2 * c, c / math.sqrt(2), c * 2 / math.pi, 2 * c / math.sqrt(2), div / vdiv / 2, c * 2 * math.sqrt(2)],
        unit_fmt("V"))


def swr_pwr(pf, pr):
    rho = math.sqrt(pr / pf)
    c = (1 + rho) / (1 - rho)
    # Powers put in the voltage formula, the bare power ratio or its root,
    # the reflection coefficient plus one.
    return calc(
        "A directional wattmeter reads %s forward and %s reflected. What is the SWR on the line?" % (si(pf, "W", "en"), si(pr, "W", "en")),
        "Un wattm\u00e8tre directionnel indique %s en direct et %s en r\u00e9fl\u00e9chi. Quel est le ROS sur la ligne ?" % (si(pf, "W", "fr"), si(pr, "W", "fr")),
        [c, (pf + pr) / (pf - pr), pf / pr, math.sqrt(pf / pr), 1 + rho, 1 / (1 - rho), 1 + pr / pf * 10],
        lambda v, lang: num(v, lang, 2) + ":1")


def net_pwr(pf, pr):
    c = pf - pr
    # Reflected added instead of taken off, or ignored; the voltage ratio
    # used as a power ratio; the reflection counted twice.
    rho = math.sqrt(pr / pf)
    return calc(
        "At the antenna end of a line, a wattmeter reads %s forward and %s reflected. What power does the antenna accept?" % (si(pf, "W", "en"), si(pr, "W", "en")),
        "C\u00f4t\u00e9 antenne d'une ligne, un wattm\u00e8tre indique %s en direct et %s en r\u00e9fl\u00e9chi. Quelle puissance l'antenne absorbe-t-elle ?" % (si(pf, "W", "fr"), si(pr, "W", "fr")),
        [c, pf + pr, pf * (1 - rho), pf, pf - 2 * pr, pf / pr], unit_fmt("W"))


def dbm_uv(dbm):
    p = 10 ** (dbm / 10.0) * 1e-3
    c = (p * 50) ** 0.5
    # The peak for the RMS value, the open-circuit EMF, a 75-ohm load, the
    # current taken for the voltage, 10 log used for a voltage.
    return calc(
        "A signal generator set to %s dBm feeds a 50-ohm receiver input. What RMS voltage appears at the input?" % num(dbm, "en"),
        "Un g\u00e9n\u00e9rateur r\u00e9gl\u00e9 sur %s dBm attaque une entr\u00e9e de r\u00e9cepteur de 50 ohms. Quelle tension efficace appara\u00eet \u00e0 l'entr\u00e9e ?" % num(dbm, "fr"),
        [c, c * 2 ** 0.5, (p * 75) ** 0.5, c * 2, (p / 50) ** 0.5, c * 10, c / 10], unit_fmt("V"))


S_METERS = parse("""
What does the ohms-per-volt figure of an analogue voltmeter tell you?
The meter's sensitivity: the higher, the less it loads a circuit
The largest voltage it can measure before its movement is damaged
The resistance of its movement alone, whatever the range chosen
The accuracy of its scale in percent of full-scale deflection
Que vous apprend la caractéristique en ohms par volt d'un voltmètre analogique ?
La sensibilité : plus elle est haute, moins l'appareil charge le circuit
La plus forte tension mesurable sans endommager l'équipage
La résistance propre de son équipage, quel que soit le calibre choisi
La précision de son échelle, en pour cent de la pleine échelle

An average-responding AC meter calibrated in RMS is used on a square wave. What should you expect?
A wrong reading, since its scale assumes a sine wave
An exact RMS reading, as it would give on any waveform
A reading of zero, since a square wave has equal halves
A reading equal to the peak-to-peak voltage of the wave
Un multimètre alternatif à réponse moyenne, gradué en valeur efficace, mesure un signal carré. À quoi faut-il s'attendre ?
À une lecture fausse, l'échelle supposant une sinusoïde
À une lecture efficace exacte, comme sur tout autre signal
À une lecture nulle, car les deux alternances se compensent
À une lecture égale à la tension crête à crête du signal

Why is a four-wire (Kelvin) connection used to measure a very low resistance such as a meter shunt?
Separate leads sense the voltage, so lead and contact resistance drop out
Two extra leads double the test current, and so the resolution of the reading
The second pair of leads cancels the thermocouple voltages at the probe tips
It lets the meter apply a higher voltage without heating the shunt
Pourquoi mesure-t-on une très faible résistance, comme un shunt, avec un branchement à quatre fils (Kelvin) ?
La tension est relevée à part, sans la chute dans les cordons
Les deux fils de plus doublent le courant d'essai et la résolution
La seconde paire annule les tensions thermoélectriques aux pointes
Il permet une tension d'essai plus forte sans échauffer le shunt

Why does a thermocouple RF ammeter give a true RMS reading at radio frequencies?
It responds to the current's heating, whatever the waveform
Its built-in rectifier is calibrated to read RMS on a sine wave
Its coil measures the magnetic field around the wire at each peak
The thermocouple's output voltage follows the peak value of the current
Pourquoi un ampèremètre HF à thermocouple donne-t-il une lecture efficace vraie aux fréquences radio ?
Il réagit à l'effet thermique du courant, quelle que soit sa forme
Son redresseur est étalonné pour lire l'efficace d'une sinusoïde
Sa bobine mesure le champ magnétique du fil à chaque crête
La tension du thermocouple suit la crête du courant

What does a simple diode RF probe used with a DC voltmeter actually respond to?
The peak of the RF voltage, scaled to RMS for a sine wave
The average power delivered to the load, whatever its impedance
The true RMS value of the RF voltage, whatever its waveform
The forward voltage, since the diode blocks the reflected wave
À quoi réagit réellement une simple sonde HF à diode utilisée avec un voltmètre continu ?
À la crête de la tension HF, ramenée à l'efficace pour une sinusoïde
À la puissance moyenne fournie à la charge, quelle que soit son impédance
À la valeur efficace vraie de la tension HF, quelle que soit sa forme
À la tension directe, la diode bloquant l'onde réfléchie

Why must an ohmmeter never be used on a circuit that is powered?
The circuit's own voltage upsets the reading and puts the meter at risk
Its battery could charge the circuit's capacitors to a dangerous voltage
Resistance is undefined while a current flows through the part
The ohmmeter would then read the power drawn instead of the resistance
Pourquoi ne faut-il jamais utiliser un ohmmètre sur un circuit sous tension ?
La tension propre du circuit fausse la lecture et met l'appareil en danger
Sa pile pourrait charger les condensateurs du circuit à une tension dangereuse
La résistance n'est définie qu'en l'absence de courant dans le composant
L'ohmmètre indiquerait alors la puissance absorbée au lieu de la résistance
""") + [
    shunt(1e-3, 47.0, 0.5), shunt(50e-6, 2e3, 10e-3),
    multiplier(1e-3, 100.0, 1.0), multiplier(50e-6, 2.5e3, 1.5),
    shunt(100e-6, 1.2e3, 50e-3),
]

S_FREQ = parse("""
What mainly sets the accuracy of a frequency counter once enough digits are displayed?
The accuracy and stability of its timebase oscillator
The gate time, since a longer gate always gives a more accurate reading
The amplitude of the signal applied to its input
The speed of the logic that counts the input cycles
Qu'est-ce qui fixe principalement la précision d'un fréquencemètre, une fois affichés suffisamment de chiffres ?
La précision et la stabilité de sa base de temps
Le temps de porte, une porte plus longue étant toujours plus précise
L'amplitude du signal appliqué à son entrée
La rapidité de la logique qui compte les cycles d'entrée

What is the purpose of a prescaler at the input of a frequency counter?
To divide the input so higher frequencies can be counted
To amplify weak input signals enough to trigger the gate circuit
To multiply low frequencies so that they can be measured faster
To filter the harmonics out of the signal before it is counted
Quel est le rôle d'un prédiviseur à l'entrée d'un fréquencemètre ?
Diviser la fréquence d'entrée pour pouvoir compter plus haut
Amplifier les signaux faibles pour qu'ils déclenchent la porte
Multiplier les basses fréquences afin de les mesurer plus vite
Éliminer les harmoniques du signal avant de le compter

How can the timebase of a frequency counter be calibrated accurately?
Against a standard frequency transmission or a GPS reference
Against the frequency shown on the dial of a general-coverage receiver
By adjusting it until the mains frequency reads exactly 50 Hz
By letting it warm up until the reading stops drifting
Comment peut-on étalonner précisément la base de temps d'un fréquencemètre ?
Sur une émission de fréquence étalon ou sur une référence GPS
Sur la fréquence affichée au cadran d'un récepteur à couverture générale
En la réglant jusqu'à lire exactement 50 Hz sur le secteur
En laissant l'appareil chauffer jusqu'à ce que sa lecture ne dérive plus

What is a dip meter used for?
Finding the resonance of an unpowered tuned circuit or antenna
Measuring the depth of modulation of an AM transmitter
Measuring the DC voltage drop along a feed line
Finding the dip in SWR of an antenna while transmitting
À quoi sert un dipmètre ?
À trouver la fréquence de résonance d'un circuit accordé ou d'une antenne hors tension
À mesurer le taux de modulation d'un émetteur AM
À mesurer la chute de tension continue le long d'une ligne
À repérer le creux du ROS d'une antenne pendant l'émission

Why is a GPS-disciplined oscillator a good frequency reference for a station?
Its oscillator is steered to the atomic clocks of the satellites
It measures the Doppler shift of the satellites to correct the reading
It decodes a time code and sets the counter's display to match
Its crystal is held at a fixed temperature by the GPS receiver
Pourquoi un oscillateur asservi au GPS est-il une bonne référence de fréquence pour une station ?
Son oscillateur est asservi aux horloges atomiques des satellites
Il mesure l'effet Doppler des satellites pour corriger la lecture
Il décode un signal horaire et recale l'affichage du fréquencemètre
Son quartz est maintenu à température fixe par le récepteur GPS

How should a transmitter's output be fed to a frequency counter?
Always through a suitable attenuator or a loosely coupled sampler
Directly from the antenna socket, using a short lead
Through a low-pass filter alone, which protects the counter's input
Through a length of coaxial cable left open at the far end
Comment faut-il appliquer la sortie d'un émetteur à un fréquencemètre ?
Toujours par un atténuateur ou un prélèvement à couplage lâche
Directement sur la prise d'antenne, par un cordon court
Par un simple filtre passe-bas, qui protège l'entrée du fréquencemètre
Par un morceau de câble coaxial laissé ouvert à son autre extrémité
""") + [
    gate(1.0, 128), gate(0.1, 64),
    ppm_err(14.2e6, 10),
    tb_err(144.3e6, 10e6, 20.0),
    gate(0.01, 256),
]

S_SCOPE = parse("""
What is the purpose of the trigger circuit of an oscilloscope?
To start each sweep at the same point, so the trace is stable
To blank the beam between sweeps so that the retrace is hidden
To set the vertical sensitivity to suit the signal amplitude
To measure the signal's frequency and show it on the screen
Quel est le rôle du circuit de déclenchement d'un oscilloscope ?
Démarrer chaque balayage au même point du signal
Éteindre le faisceau entre les balayages pour masquer le retour
Régler la sensibilité verticale selon l'amplitude du signal
Mesurer la fréquence du signal et l'afficher à l'écran

Why should the bandwidth of an oscilloscope be well above the highest frequency you intend to observe?
Near its limit it understates the amplitude and distorts the waveform
The time base is accurate only below a tenth of the bandwidth
Above its bandwidth the scope shows harmonics that are not there
A signal near the limit loads the circuit through the probe
Pourquoi la bande passante d'un oscilloscope doit-elle être bien supérieure à la plus haute fréquence que l'on compte observer ?
Près de sa limite, il sous-estime l'amplitude et déforme le signal
La base de temps n'est exacte qu'en dessous du dixième de la bande passante
Au-delà de sa bande passante, il affiche des harmoniques inexistants
Près de sa limite, la sonde charge davantage le circuit mesuré

Which instrument is best for checking that a transmitter's harmonics and spurious emissions are low enough?
A spectrum analyser behind an attenuator
A multimeter on its AC range fitted with an RF probe
An SWR meter placed between transmitter and antenna
A frequency counter connected to a sampling coupler
Quel instrument convient le mieux pour vérifier que les harmoniques et émissions parasites d'un émetteur sont assez faibles ?
Un analyseur de spectre derrière un atténuateur
Un multimètre alternatif muni d'une sonde HF
Un ROS-mètre entre l'émetteur et l'antenne
Un fréquencemètre sur un coupleur de prélèvement

What happens when the resolution bandwidth of a spectrum analyser is made narrower?
Close signals separate and noise falls, but sweeps are slower
The analyser can cover a wider frequency span in the same sweep time
Every signal appears stronger by the ratio of the two bandwidths
The displayed noise floor rises, as less power is averaged
Que se passe-t-il lorsqu'on réduit la largeur de bande de résolution d'un analyseur de spectre ?
Les signaux proches se séparent et le bruit baisse, mais le balayage ralentit
L'analyseur peut couvrir une plage plus large dans le même temps de balayage
Tous les signaux paraissent plus forts dans le rapport des bandes
Le plancher de bruit affiché monte, car on intègre moins de puissance

Why does a spectrum analyser need an attenuator or sampler when connected to a transmitter?
Its input mixer is easily overloaded or destroyed
Without one, the reflected power would upset its display
The attenuator converts the signal down to a lower frequency
Its input is 600 ohms, and the attenuator matches it to 50 ohms
Pourquoi raccorder un analyseur de spectre à un émetteur par un atténuateur ou un coupleur de prélèvement ?
Son mélangeur d'entrée est facilement saturé ou détruit
Sans lui, la puissance réfléchie fausserait son affichage
L'atténuateur transpose le signal vers une fréquence plus basse
Son entrée fait 600 ohms et l'atténuateur l'adapte à 50 ohms

A digital oscilloscope on a slow time base samples at only 1 million samples per second, yet the circuit carries a signal near 10 MHz. What may the screen show?
A false low-frequency trace, as the signal is aliased below half the sample rate
A correct 10 MHz trace, as the scope interpolates between the samples
A blank screen, as the scope cannot trigger above half its sample rate
A 10 MHz trace of reduced amplitude, as on an analogue scope past its bandwidth
Sur base de temps lente, un oscilloscope numérique échantillonne à 1 Méch/s un signal proche de 10 MHz. Que peut montrer l'écran ?
Une fausse trace basse fréquence, par repliement du spectre
Une trace exacte à 10 MHz, interpolée entre les échantillons
Un écran vide, faute de déclenchement au-delà de 500 kHz
Une trace à 10 MHz affaiblie, comme hors bande passante
""") + [
    scope_f(4, 5e-6), scope_f(2.5, 0.2e-6),
    scope_v(6, 2.0),
    scope_v(4.4, 0.5),
    scope_f(8, 1e-3),
]

S_POWER = parse("""
How does a directional wattmeter distinguish forward from reflected power?
It samples the wave travelling each way with a directional coupler
It measures the line current and voltage and subtracts one from the other
It keys the transmitter off briefly so that the reflection can come back
It compares the power leaving the transmitter with that reaching the antenna
Comment un wattmètre directionnel distingue-t-il la puissance directe de la puissance réfléchie ?
Il prélève par un coupleur l'onde qui circule dans chaque sens
Il mesure le courant et la tension de la ligne et retranche l'un de l'autre
Il coupe un bref instant l'émetteur pour laisser revenir la réflexion
Il compare la puissance qui quitte l'émetteur à celle qui atteint l'antenne

Why does the SWR measured at the transmitter end of a long, lossy feed line look better than at the antenna?
Line loss weakens the reflected wave on its way back to the meter end
Feed line loss adds a reactance that cancels part of the mismatch
The transmitter absorbs the reflected power before the meter sees it
SWR is always lower at low power, and power falls along the line
Pourquoi le ROS mesuré côté émetteur d'une ligne longue à pertes paraît-il meilleur qu'à l'antenne ?
Les pertes de la ligne affaiblissent l'onde réfléchie sur son trajet de retour
Les pertes ajoutent une réactance qui compense une part de la désadaptation
L'émetteur absorbe la puissance réfléchie avant qu'elle atteigne l'appareil
Le ROS baisse toujours avec la puissance, qui diminue le long de la ligne

A dummy load is rated at 1 kW for 30 seconds. What does this mean in practice?
It takes 1 kW only briefly; continuous use needs far less power
It can absorb 1 kW continuously as long as the room is cool
It can take 1 kW for 30 seconds in every minute, without limit
It should be used for at least 30 seconds each time it is keyed
Une charge fictive est prévue pour 1 kW pendant 30 secondes. Qu'est-ce que cela signifie en pratique ?
Elle n'accepte 1 kW que brièvement ; en continu, il faut bien moins
Elle peut absorber 1 kW en continu tant que la pièce reste fraîche
Elle peut absorber 1 kW pendant 30 secondes de chaque minute, sans limite
Elle doit être utilisée au moins 30 secondes à chaque passage en émission

What does an average-reading wattmeter show on SSB speech, compared with the PEP?
Much less than the PEP, as speech has a low average power
Exactly the PEP, since the meter follows the speech peaks
Twice the PEP, because both sidebands are counted by the meter
Zero, because an SSB signal has no carrier to measure
Qu'indique un wattmètre à lecture moyenne sur de la parole en BLU, par rapport à la PEP ?
Beaucoup moins que la PEP, car la parole a une faible puissance moyenne
Exactement la PEP, car l'appareil suit les crêtes de la parole
Le double de la PEP, car l'appareil compte les deux bandes latérales
Zéro, car un signal BLU n'a pas de porteuse à mesurer

An SWR meter at the transmitter shows 1:1. What can you conclude?
That the meter sees a 50-ohm load at that point, nothing more
That the antenna is radiating all the power efficiently
That the antenna is resonant on the operating frequency
That the feed line to the antenna is free of loss
Un ROS-mètre placé à l'émetteur indique 1:1. Que pouvez-vous en conclure ?
Que l'appareil voit une charge de 50 ohms, rien de plus
Que l'antenne rayonne efficacement toute la puissance
Que l'antenne est résonante sur la fréquence de travail
Que la ligne entre l'appareil et l'antenne n'a aucune perte

What is a return loss bridge used for?
Measuring how well a load matches the reference impedance
Measuring the power a feed line loses as heat over its length
Measuring an antenna's gain against a dipole
Measuring the insertion loss of a filter across its passband
À quoi sert un pont de mesure d'affaiblissement de réflexion ?
À mesurer l'adaptation d'une charge à l'impédance de référence
À mesurer la chaleur perdue dans une ligne coaxiale
À mesurer le gain d'une antenne par rapport à un dipôle
À mesurer la perte d'insertion d'un filtre dans sa bande passante

A wattmeter between transmitter and antenna tuner shows 100 W forward and nothing reflected. A second wattmeter between the tuner and a mismatched antenna shows 130 W forward and 30 W reflected. Ignoring tuner and line losses, how much power does the antenna accept?
100 W
130 W
70 W
160 W
Entre l'émetteur et la boîte d'accord, un wattmètre indique 100 W en direct et rien en réfléchi ; entre la boîte et une antenne désadaptée, un second indique 130 W en direct et 30 W en réfléchi. Pertes négligées, quelle puissance l'antenne absorbe-t-elle ?
100 W
130 W
70 W
160 W
""") + [
    swr_pwr(100.0, 11.1), swr_pwr(400.0, 16.0),
    net_pwr(100.0, 4.0),
    swr_pwr(100.0, 25.0),
]

S_TEST = parse("""
What is a two-tone test used for?
Checking the linearity of an SSB transmitter chain
Checking the audio response of a receiver at two frequencies
Measuring the deviation of an FM transmitter with two tones
Aligning the two IF stages of a double-conversion receiver
À quoi sert l'essai à deux tons ?
À vérifier la linéarité d'une chaîne d'émission BLU
À vérifier la réponse audio d'un récepteur à deux fréquences
À mesurer l'excursion d'un émetteur FM avec deux tons
À aligner les deux étages FI d'un récepteur à double changement

What is an advantage of an antenna analyser for adjusting an antenna?
It measures SWR and impedance with a tiny signal of its own
It shows the radiation pattern of the antenna from inside the shack
It measures SWR at full power, so it shows the antenna as it is used
It measures the antenna's far-field gain without a test range
Quel est l'avantage d'un analyseur d'antenne pour régler une antenne ?
Il mesure le ROS et l'impédance avec son propre petit signal, sans émetteur
Il affiche le diagramme de rayonnement de l'antenne depuis la station
Il mesure le ROS à pleine puissance, donc dans les conditions d'emploi réelles
Il mesure le gain de l'antenne en champ lointain sans terrain d'essai

How is the isolation of a repeater duplexer between its transmit and receive ports best checked?
With a tracking generator or network analyser across those two ports
With an SWR meter on the antenna port while the repeater is transmitting
With a dummy load on each port and an ohmmeter between the two
With a field strength meter held close to the cavities while keyed
Comment vérifie-t-on au mieux l'isolement entre les accès émission et réception d'un duplexeur de relais ?
Avec un générateur suiveur ou un analyseur de réseau entre ces accès
Avec un ROS-mètre sur l'accès antenne, le relais étant en émission
Avec une charge fictive sur chaque accès et un ohmmètre entre eux
Avec un champmètre près des cavités pendant l'émission

An operator checks RF exposure with a field-strength probe one metre from a 7 MHz vertical. Why must the electric and magnetic fields be measured separately there?
Close in, their ratio is not 377 ohms, so one cannot be derived from the other
The electric field in volts per metre is always 377 times the magnetic field
Limits apply to the sum of the two fields, each in volts per metre
The two fields cancel at one metre, so each must be read on its own
À un mètre d'une verticale 7 MHz, pourquoi mesurer à part les champs électrique et magnétique pour évaluer l'exposition ?
De près, leur rapport diffère de 377 ohms : l'un ne donne pas l'autre
Le champ électrique y vaut toujours 377 fois le champ magnétique
Les limites portent sur la somme des deux champs, en volts par mètre
Les deux champs s'annulent à un mètre : il faut lire chacun à part

What does a vector network analyser measure that a simple SWR meter cannot?
Reflection magnitude and phase, hence the complex impedance
Only the forward power at one frequency, but more accurately
The DC resistance of the feed line and of the antenna elements
The field the antenna radiates at a distance
Que mesure un analyseur de réseau vectoriel qu'un simple ROS-mètre ne peut pas mesurer ?
L'amplitude et la phase de la réflexion, donc l'impédance complexe
Seulement la puissance directe à une fréquence, mais plus précisément
La résistance continue de la ligne et des éléments de l'antenne
Le champ rayonné par l'antenne à une certaine distance

What does a 12 dB SINAD sensitivity figure describe for an FM receiver?
The input level giving 12 dB SINAD at the audio output
The input level at which the squelch first opens on a carrier
The input level at which the S-meter first reads S9 on a carrier
The gain of the audio stages, as measured with a SINAD meter
Que décrit une sensibilité SINAD de 12 dB pour un récepteur FM ?
Le niveau d'entrée donnant un SINAD de 12 dB à la sortie audio
Le niveau d'entrée auquel le silencieux s'ouvre sur une porteuse
Le niveau d'entrée auquel le S-mètre indique S9
Le gain des étages audio, tel que le mesure un SINAD-mètre

How is the ripple on a power supply's output best examined with an oscilloscope?
With AC coupling, so the small ripple can be magnified on screen
With DC coupling on the least sensitive range, to show the full voltage
With the time base stopped, so that the ripple stands still
With the probe on the mains input, where the ripple starts
Comment examine-t-on au mieux l'ondulation de la sortie d'une alimentation à l'oscilloscope ?
En couplage alternatif, pour agrandir la faible ondulation
En couplage continu, sur le calibre le moins sensible
Avec la base de temps arrêtée, pour que l'ondulation reste fixe
Avec la sonde sur l'entrée secteur, d'où vient l'ondulation

Why is a calibrated step attenuator useful when comparing signal reports or antennas?
It changes a signal in known steps, so differences are measured
It raises the receiver's sensitivity by the same number of decibels
It removes the noise from a weak signal so the S-meter reads true
It holds the receiver's AGC off, so that the S-meter becomes linear
Pourquoi un atténuateur à pas étalonnés est-il utile pour comparer des reports ou des antennes ?
Il change un signal par pas connus, d'où la mesure des écarts
Il augmente la sensibilité du récepteur du même nombre de décibels
Il ôte le bruit d'un signal faible pour fiabiliser le S-mètre
Il bloque la CAG pour rendre le S-mètre linéaire
""") + [
    dbm_uv(-73.0),
    dbm_uv(-93.0),
]

TOPIC = {
    "en": "Measurements",
    "fr": "Mesures",
    "sections": [S_METERS, S_FREQ, S_SCOPE, S_POWER, S_TEST],
}
