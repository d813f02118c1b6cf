"""Advanced topic 4: power supplies."""

import math

from advanced_calc import calc, parse, si, num, unit_fmt, ohm_adj

SQ2 = math.sqrt(2.0)


def _ohm_fmt(v, lang):
    return si(v, "ohms", lang, 3)


def trafo_v(vp, np_, ns):
    c = vp * ns / np_
    return calc(
        "A transformer has %d primary and %d secondary turns. What is the no-load secondary voltage for %s RMS in?" % (np_, ns, si(vp, "V", "en")),
        "Un transformateur a %d spires au primaire et %d au secondaire. Quelle tension secondaire \u00e0 vide donne-t-il pour %s efficaces ?" % (np_, ns, si(vp, "V", "fr")),
        [c, vp * np_ / ns, vp * (ns / np_) ** 2, c * SQ2], unit_fmt("V"))


def trafo_z(n, zs):
    c = n * n * zs
    return calc(
        "A transformer with a turns ratio of %d:1 (primary to secondary) has a %s load on its secondary. What impedance does the primary present?" % (n, ohm_adj(zs, "en")),
        "Un transformateur de rapport %d:1 (primaire sur secondaire) a une charge de %s au secondaire. Quelle imp\u00e9dance pr\u00e9sente le primaire ?" % (n, si(zs, "ohms", "fr")),
        [c, n * zs, zs / (n * n), zs / n], _ohm_fmt)


def cap_peak(vrms):
    c = vrms * SQ2
    return calc(
        "A full-wave rectifier and reservoir capacitor are fed with %s RMS. Ignoring diode drops, to what voltage does the capacitor charge at light load?" % si(vrms, "V", "en"),
        "Un redresseur double alternance suivi d'un condensateur r\u00e9servoir re\u00e7oit %s efficaces. Sans les chutes des diodes, \u00e0 quelle tension le condensateur se charge-t-il \u00e0 faible charge ?" % si(vrms, "V", "fr"),
        [c, vrms, vrms * 0.9, c * 2], unit_fmt("V"))


def piv_bridge(vrms):
    c = vrms * SQ2
    return calc(
        "A bridge rectifier is fed with %s RMS. What peak inverse voltage must each diode withstand?" % si(vrms, "V", "en"),
        "Un pont redresseur re\u00e7oit %s efficaces. Quelle tension inverse de cr\u00eate chaque diode doit-elle supporter ?" % si(vrms, "V", "fr"),
        [c, c * 2, vrms, vrms / 2], unit_fmt("V"))


def piv_half(vrms):
    c = 2 * vrms * SQ2
    return calc(
        "A half-wave rectifier with a large reservoir capacitor is fed with %s RMS. What peak inverse voltage does the diode see?" % si(vrms, "V", "en"),
        "Un redresseur simple alternance avec un gros condensateur r\u00e9servoir re\u00e7oit %s efficaces. Quelle tension inverse de cr\u00eate la diode subit-elle ?" % si(vrms, "V", "fr"),
        [c, c / 2, vrms, c * 2], unit_fmt("V"))


def ripple(i, f, cap, full):
    fr = 2 * f if full else f
    c = i / (fr * cap)
    kind_en = "full-wave" if full else "half-wave"
    kind_fr = "double alternance" if full else "simple alternance"
    other = i / (f * cap) if full else i / (2 * f * cap)
    return calc(
        "A %s rectifier on %s mains feeds a %s capacitor and a %s load. What is the peak-to-peak ripple?" % (kind_en, si(f, "Hz", "en"), si(cap, "F", "en"), si(i, "A", "en")),
        "Un redresseur %s sur secteur \u00e0 %s alimente un condensateur de %s et une charge de %s. Quelle est l'ondulation cr\u00eate \u00e0 cr\u00eate ?" % (kind_fr, si(f, "Hz", "fr"), si(cap, "F", "fr"), si(i, "A", "fr")),
        [c, other, c * 10, c / 10], unit_fmt("V"))


def zener_r(vin, vz, il, iz):
    c = (vin - vz) / (il + iz)
    return calc(
        "A %s Zener is fed from %s through a resistor. The load takes %s and the Zener %s. What resistor is needed?" % (si(vz, "V", "en"), si(vin, "V", "en"), si(il, "A", "en"), si(iz, "A", "en")),
        "Une Zener de %s est aliment\u00e9e sous %s par une r\u00e9sistance. La charge prend %s et la Zener %s. Quelle r\u00e9sistance faut-il ?" % (si(vz, "V", "fr"), si(vin, "V", "fr"), si(il, "A", "fr"), si(iz, "A", "fr")),
        [c, vin / (il + iz), (vin - vz) / iz, vz / (il + iz)], _ohm_fmt)


def reg_diss(vin, vout, i):
    c = (vin - vout) * i
    return calc(
        "A linear regulator delivers %s at %s with %s at its input. What power does it dissipate?" % (si(i, "A", "en"), si(vout, "V", "en"), si(vin, "V", "en")),
        "Un r\u00e9gulateur lin\u00e9aire fournit %s sous %s \u00e0 partir d'une entr\u00e9e de %s. Quelle puissance dissipe-t-il ?" % (si(i, "A", "fr"), si(vout, "V", "fr"), si(vin, "V", "fr")),
        [c, vin * i, vout * i, (vin + vout) * i], unit_fmt("W"))


def smps_in(pout, eff, vin):
    c = pout / (eff * vin)
    return calc(
        "A switching supply of %d%% efficiency delivers %s from a %s DC input. What input current does it draw?" % (round(eff * 100), si(pout, "W", "en"), si(vin, "V", "en")),
        "Une alimentation \u00e0 d\u00e9coupage de rendement %d %% fournit %s \u00e0 partir de %s continus. Quel courant d'entr\u00e9e absorbe-t-elle ?" % (round(eff * 100), si(pout, "W", "fr"), si(vin, "V", "fr")),
        [c, pout / vin, pout * eff / vin, c * 2], unit_fmt("A"))


def buck(vin, d):
    c = vin * d
    return calc(
        "An ideal buck converter runs from %s with a %d%% duty cycle. What is its output voltage?" % (si(vin, "V", "en"), round(d * 100)),
        "Un convertisseur abaisseur id\u00e9al fonctionne sous %s avec un rapport cyclique de %d %%. Quelle est sa tension de sortie ?" % (si(vin, "V", "fr"), round(d * 100)),
        [c, vin / d, vin * (1 - d), vin / (1 - d)], unit_fmt("V"))


def batt_time(ah, i):
    c = ah / i
    f = lambda v, lang: ("%s hours" if lang == "en" else "%s heures") % num(v, lang, 3)
    return calc(
        "Ignoring losses, how long can a %s Ah battery supply a steady %s?" % (num(ah, "en"), si(i, "A", "en")),
        "Pertes n\u00e9glig\u00e9es, combien de temps une batterie de %s Ah peut-elle fournir %s en continu ?" % (num(ah, "fr"), si(i, "A", "fr")),
        [c, ah * i, c / 2, c * 10], f)


def batt_drop(e, r, i):
    c = e - i * r
    return calc(
        "A battery of %s open-circuit voltage and %s internal resistance supplies %s. What is its terminal voltage?" % (si(e, "V", "en"), si(r, "ohms", "en"), si(i, "A", "en")),
        "Une batterie de %s \u00e0 vide et de %s de r\u00e9sistance interne d\u00e9bite %s. Quelle est sa tension aux bornes ?" % (si(e, "V", "fr"), si(r, "ohms", "fr"), si(i, "A", "fr")),
        [c, e, e + i * r, e - 2 * i * r], unit_fmt("V"))


S_RECTIFIERS = parse("""
What is the ripple frequency at the output of a full-wave rectifier fed from 50 Hz mains?
100 Hz
50 Hz
25 Hz
200 Hz
Quelle est la fréquence d'ondulation à la sortie d'un redresseur double alternance alimenté par le secteur à 50 Hz ?
100 Hz
50 Hz
25 Hz
200 Hz

What is the advantage of a bridge rectifier over a two-diode full-wave rectifier?
Full-wave output without a centre-tapped winding
It needs only one diode
It gives half-wave output with less ripple
Its diodes see twice the peak inverse voltage
Quel est l'avantage d'un pont redresseur sur un redresseur double alternance à deux diodes ?
Un redressement double alternance sans prise médiane
Il ne nécessite qu'une seule diode
Il donne un redressement simple alternance avec moins d'ondulation
Ses diodes subissent une tension inverse de crête double

Why are the cores of mains transformers made of thin insulated laminations?
To reduce eddy-current losses in the core
To make the transformer lighter
To increase the copper losses
To allow the transformer to work on direct current
Pourquoi les noyaux des transformateurs secteur sont-ils faits de minces tôles isolées ?
Pour réduire les pertes par courants de Foucault dans le noyau
Pour alléger le transformateur
Pour augmenter les pertes cuivre
Pour permettre au transformateur de fonctionner en courant continu

What would happen if a mains transformer's primary were connected to a DC supply of the same voltage?
Only the winding resistance would limit the current, overheating the winding
It would deliver a DC voltage on the secondary, stepped down by the turns ratio
It would work normally at reduced efficiency
Nothing, as no current can flow
Que se passerait-il si le primaire d'un transformateur secteur était branché sur une tension continue de même valeur ?
Seule la résistance de l'enroulement limiterait le courant, qui le ferait surchauffer
Il fournirait au secondaire une tension continue abaissée selon le rapport de spires
Il fonctionnerait normalement avec un rendement réduit
Rien, car aucun courant ne peut circuler

What does a voltage doubler rectifier do?
Two capacitors charged on alternate half-cycles add their voltages
Doubles the frequency of the supply
Doubles the current available from the transformer secondary winding
Halves the ripple by using two transformers
Que fait un redresseur doubleur de tension ?
Deux condensateurs chargés sur des alternances opposées ajoutent leurs tensions
Il double la fréquence de l'alimentation
Il double le courant disponible à l'enroulement secondaire du transformateur
Il divise l'ondulation par deux en utilisant deux transformateurs

In a full-wave rectifier using a centre-tapped winding, what peak inverse voltage must each diode withstand?
About twice the peak voltage of one half of the winding
About half the peak voltage of one half of the winding
The RMS voltage of the whole winding
Only the diode's forward voltage
Dans un redresseur double alternance à enroulement à prise médiane, quelle tension inverse de crête chaque diode doit-elle supporter ?
Environ le double de la tension de crête d'une moitié de l'enroulement
Environ la moitié de la tension de crête d'une moitié de l'enroulement
La tension efficace de l'enroulement complet
Seulement la tension directe de la diode
""") + [
    trafo_v(230.0, 1000, 60), trafo_v(120.0, 400, 50),
    trafo_z(4, 50.0),
    piv_bridge(20.0), piv_half(24.0),
]

S_FILTERING = parse("""
What is a characteristic of a capacitor-input filter compared with a choke-input filter?
A higher output voltage but poorer regulation and high diode peak currents
A lower output voltage, about 0.9 times the RMS, with excellent regulation
No ripple at all at any load
It can only be used with half-wave rectifiers
Quelle est une caractéristique du filtre à condensateur en tête par rapport au filtre à self en tête ?
Une tension plus élevée mais une moins bonne régulation et de fortes pointes de courant
Une tension de sortie plus faible, environ 0,9 fois la tension efficace, avec une excellente régulation
Aucune ondulation quelle que soit la charge
Il ne peut être utilisé qu'avec des redresseurs simple alternance

What happens to the ripple of a capacitor-input supply when the load current increases?
It increases, as the capacitor discharges further between peaks
It decreases, because the diodes conduct for longer
It stays the same, since ripple depends only on the mains frequency
It disappears once the current is above the rated value
Que devient l'ondulation d'une alimentation à condensateur en tête lorsque le courant de charge augmente ?
Elle augmente, car le condensateur se décharge davantage entre les crêtes
Elle diminue, car les diodes conduisent plus longtemps
Elle ne change pas, puisque l'ondulation ne dépend que de la fréquence du secteur
Elle disparaît au-delà du courant nominal

What are the purposes of a bleeder resistor across the filter capacitors of a high-voltage supply?
To discharge the capacitors safely and steady the light-load voltage
To limit the inrush current at switch-on
To raise the output voltage under load
To protect the rectifier diodes against excessive reverse voltage
Quels sont les rôles d'une résistance de décharge aux bornes des condensateurs de filtrage d'une alimentation haute tension ?
Décharger les condensateurs sans danger et stabiliser la tension à faible charge
Limiter le courant d'appel à la mise sous tension
Élever la tension de sortie en charge
Protéger les diodes de redressement contre une tension inverse excessive

How is the large inrush current into discharged reservoir capacitors often limited at switch-on?
By a series NTC thermistor or resistor
By a capacitor in series with the mains lead
By a Zener diode across the transformer primary
By using diodes of a higher voltage rating
Comment limite-t-on souvent le fort courant d'appel des condensateurs réservoirs déchargés à la mise sous tension ?
Par une thermistance CTN ou une résistance en série
Par un condensateur en série dans le cordon secteur
Par une diode Zener aux bornes du primaire du transformateur
En utilisant des diodes de tension plus élevée

What effect can excessive ripple on a transmitter's supply have on the transmitted signal?
Hum modulation appears on the signal at the ripple frequency
The transmitter changes band
The signal's harmonics disappear
The carrier frequency becomes exactly twice the ripple frequency
Quel effet une ondulation excessive de l'alimentation d'un émetteur peut-elle avoir sur le signal émis ?
Une modulation de ronflement apparaît sur le signal à la fréquence d'ondulation
L'émetteur change de bande
Les harmoniques du signal disparaissent
La fréquence porteuse devient exactement le double de la fréquence d'ondulation

In an LC smoothing filter, what does the series choke do?
It presents a high reactance to the ripple but passes the DC
It stores charge to raise the output voltage
It converts the ripple into direct current
It blocks the direct current and passes the ripple to the load
Dans un filtre de lissage LC, quel est le rôle de la self en série ?
Elle présente une forte réactance à l'ondulation mais laisse passer le continu
Elle stocke des charges pour élever la tension de sortie
Elle transforme l'ondulation en courant continu
Elle bloque le courant continu et transmet l'ondulation à la charge
""") + [
    ripple(1.0, 50.0, 4700e-6, True), ripple(0.5, 60.0, 2200e-6, False),
    cap_peak(12.0), cap_peak(24.0),
    ripple(2.0, 50.0, 10000e-6, True),
]

S_REGULATORS = parse("""
In a series-pass linear regulator, what controls the pass transistor?
An error amplifier comparing the output with a reference
The ripple voltage on the input capacitor
A timer that switches it fully on and off
The load current through a current transformer
Dans un régulateur linéaire série, qu'est-ce qui commande le transistor ballast ?
Un amplificateur d'erreur comparant la sortie à une référence
La tension d'ondulation sur le condensateur d'entrée
Une minuterie qui le fait passer de la conduction totale au blocage
Le courant de charge, au moyen d'un transformateur de courant

What is the dropout voltage of a three-terminal linear regulator?
The smallest input-output difference at which it regulates
The output voltage when the input is removed
The input voltage at which its thermal protection operates
The ripple voltage remaining at the output
Qu'est-ce que la tension de déchet d'un régulateur linéaire à trois broches ?
La plus petite différence entrée-sortie à laquelle il régule
La tension de sortie lorsque l'entrée est supprimée
La tension d'entrée à laquelle sa protection thermique intervient
La tension d'ondulation qui subsiste en sortie

What is meant by the load regulation of a power supply?
How much the output voltage changes between no load and full load
How much the output voltage changes with the mains voltage
The maximum current the supply can deliver
The ripple at full load expressed in percent
Que désigne la régulation en charge d'une alimentation ?
La variation de la tension de sortie entre le fonctionnement à vide et à pleine charge
La variation de la tension de sortie avec la tension du secteur
Le courant maximal que l'alimentation peut fournir
L'ondulation à pleine charge exprimée en pour cent

Why do some regulated supplies use remote sensing leads?
To regulate the voltage at the load, correcting for lead drop
To measure the temperature of the load
To switch the supply on and off from the operating position
To detect RF on the output leads
Pourquoi certaines alimentations régulées utilisent-elles des fils de mesure à distance ?
Pour réguler la tension à la charge, en compensant la chute des câbles
Pour mesurer la température de la charge
Pour mettre l'alimentation en marche et l'arrêter depuis le poste d'opérateur
Pour détecter la HF sur les câbles de sortie

What does foldback current limiting do in a regulated supply?
It cuts the current well below maximum into a short circuit
It raises the output voltage when the load current increases
It reverses the output polarity under overload
It folds the ripple back into the input capacitor
Que fait la limitation de courant à repli (foldback) dans une alimentation régulée ?
Elle réduit le courant bien sous le maximum en cas de court-circuit
Elle élève la tension de sortie quand le courant de charge augmente
Elle inverse la polarité de sortie en cas de surcharge
Elle renvoie l'ondulation vers le condensateur d'entrée

A mobile HF transceiver needs 13.8 V at up to 20 A on transmit, but the vehicle has a 24 V electrical system. A friend suggests a simple linear regulator on a large heat sink. How much heat would the regulator have to dissipate at full current, and what is the better choice?
About 200 W; a switching step-down converter is the better choice
About 20 W; the linear regulator is the better choice
About 480 W; a series resistor is the better choice
About 276 W; a Zener diode across the supply is the better choice
Un émetteur-récepteur HF mobile a besoin de 13,8 V sous 20 A au plus en émission, mais le véhicule a une installation électrique de 24 V. Un ami propose un simple régulateur linéaire sur un gros dissipateur. Quelle chaleur le régulateur devrait-il dissiper à plein courant, et quel est le meilleur choix ?
Environ 200 W ; un convertisseur abaisseur à découpage est le meilleur choix
Environ 20 W ; le régulateur linéaire est le meilleur choix
Environ 480 W ; une résistance série est le meilleur choix
Environ 276 W ; une diode Zener aux bornes de l'alimentation est le meilleur choix
""") + [
    zener_r(15.0, 9.1, 20e-3, 10e-3), zener_r(12.0, 5.1, 50e-3, 10e-3),
    reg_diss(18.0, 13.8, 2.0),
    reg_diss(24.0, 15.0, 3.0),
    zener_r(9.0, 6.2, 30e-3, 5e-3),
]

S_SWITCHING = parse("""
How does a switch-mode power supply regulate its output?
A fast switch sets the energy passed by its duty cycle
A variable resistor in series with the load is adjusted automatically
A Zener diode absorbs the excess power
The mains transformer's tap is changed by a relay
Comment une alimentation à découpage régule-t-elle sa sortie ?
Un interrupteur rapide fixe l'énergie transmise par son rapport cyclique
Une résistance variable en série avec la charge est ajustée automatiquement
Une diode Zener absorbe la puissance excédentaire
Un relais change la prise du transformateur secteur

What is the main advantage of a switch-mode supply over a linear supply of the same power?
Higher efficiency and a much smaller transformer
Complete absence of radio-frequency noise
Simpler circuitry with fewer components
Better performance at the mains frequency only, with less hum
Quel est le principal avantage d'une alimentation à découpage sur une alimentation linéaire de même puissance ?
Un meilleur rendement et un transformateur bien plus petit
L'absence totale de bruit radioélectrique
Un montage plus simple avec moins de composants
De meilleures performances à la fréquence du secteur seulement, avec moins de ronflement

Why can a switch-mode supply cause interference to HF reception?
Its fast switching edges produce harmonics far into the radio spectrum
It radiates the mains frequency at high power from its long output leads
Its output voltage is too high for receivers
It converts received signals into audio
Pourquoi une alimentation à découpage peut-elle perturber la réception en HF ?
Ses fronts rapides produisent des harmoniques loin dans le spectre radio
Elle rayonne la fréquence du secteur à forte puissance par ses longs câbles de sortie
Sa tension de sortie est trop élevée pour les récepteurs
Elle convertit les signaux reçus en audio

Which measures help reduce interference from a switch-mode supply in the shack?
Filtering, ferrite chokes on the leads and a screened, earthed case
Longer output leads, coiled up close to the antenna feed line
Removing the supply's internal filter capacitors
Running the supply at a lower mains voltage
Quelles mesures aident à réduire les perturbations d'une alimentation à découpage dans la station ?
Filtrage, selfs en ferrite sur les câbles et boîtier blindé mis à la terre
Des câbles de sortie plus longs, enroulés tout près du câble d'antenne
La suppression des condensateurs de filtrage internes de l'alimentation
Le fonctionnement sous une tension secteur plus faible

Why does a higher switching frequency allow smaller inductors and transformers in a switch-mode supply?
Less energy is stored per cycle, so smaller cores suffice
Magnetic materials work only above 100 kHz
The output voltage rises with frequency
A higher frequency makes the copper wire lighter for the same current
Pourquoi une fréquence de découpage plus élevée permet-elle des bobines et transformateurs plus petits dans une alimentation à découpage ?
Moins d'énergie est stockée par cycle, si bien que des noyaux plus petits suffisent
Les matériaux magnétiques ne fonctionnent qu'au-dessus de 100 kHz
La tension de sortie augmente avec la fréquence
Une fréquence plus élevée allège le fil de cuivre pour le même courant

What does a boost converter do?
It produces an output voltage higher than its DC input
It produces an AC output from an AC input at a higher frequency
It reduces the output voltage below its input
It increases the current rating of a battery
Que fait un convertisseur élévateur (boost) ?
Il produit une tension de sortie supérieure à sa tension continue d'entrée
Il produit une sortie alternative de fréquence plus élevée à partir d'une entrée alternative
Il abaisse la tension de sortie en dessous de celle d'entrée
Il augmente le courant admissible d'une batterie

What is an inverter in power-supply terms?
A circuit producing AC from a DC source such as a battery
A rectifier that reverses the output polarity
A transformer with the primary and secondary windings swapped over
A regulator that inverts the ripple
Qu'est-ce qu'un onduleur en matière d'alimentation ?
Un circuit produisant de l'alternatif à partir d'une source continue
Un redresseur qui inverse la polarité de sortie
Un transformateur dont le primaire et le secondaire ont été permutés
Un régulateur qui inverse l'ondulation
""") + [
    smps_in(138.0, 0.85, 230.0), smps_in(50.0, 0.8, 12.0),
    buck(24.0, 0.55),
    buck(48.0, 0.3),
]

S_SAFETY = parse("""
What is the purpose of a crowbar circuit in a power supply?
To short the output and blow the fuse on overvoltage
To limit the output current to a set value
To discharge the filter capacitors during normal operation
To raise the output voltage when the load is heavy
Quel est le rôle d'un circuit « crowbar » dans une alimentation ?
Court-circuiter la sortie et faire fondre le fusible en cas de surtension
Limiter le courant de sortie à une valeur fixée
Décharger les condensateurs de filtrage en fonctionnement normal
Élever la tension de sortie quand la charge est forte

Why is a slow-blow fuse often fitted in the mains input of a supply with a large transformer?
It tolerates the inrush at switch-on but blows on a lasting overload
It blows faster than a normal fuse on a short circuit, protecting the diodes
It protects the secondary from high voltage
It filters RF from the mains
Pourquoi monte-t-on souvent un fusible temporisé dans l'entrée secteur d'une alimentation à gros transformateur ?
Il tolère l'appel de courant à la mise sous tension mais fond sur une surcharge durable
Il fond plus vite qu'un fusible normal en court-circuit, protégeant les diodes
Il protège le secondaire contre la haute tension
Il filtre la HF du secteur

Why must lead-acid batteries be charged in a ventilated place and at a limited voltage?
Overcharging releases explosive hydrogen
Charging produces carbon monoxide from the lead plates
The battery absorbs oxygen from the air while charging
Ventilation raises the battery's voltage
Pourquoi faut-il charger les batteries au plomb dans un endroit aéré et sous une tension limitée ?
La surcharge dégage de l'hydrogène explosif
La charge produit du monoxyde de carbone à partir des plaques de plomb
La batterie absorbe l'oxygène de l'air pendant la charge
La ventilation élève la tension de la batterie

What is the main hazard of lithium-ion batteries that a battery management system guards against?
Overcharge, deep discharge or overheating, which can cause fire
Loss of capacity through memory effect after a partial discharge
The release of hydrogen gas during normal charging
A reversal of polarity after each charge
Quel est le principal danger des batteries lithium-ion contre lequel protège un système de gestion de batterie ?
La surcharge, la décharge profonde ou la surchauffe, cause possible d'incendie
La perte de capacité par effet mémoire après une décharge partielle
Le dégagement d'hydrogène pendant une charge normale
Une inversion de polarité après chaque charge

What happens when identical cells are connected in series and in parallel?
In series the voltages add; in parallel the capacities add
In series the capacities add; in parallel the voltages add
Both arrangements double the voltage
Both arrangements halve the internal resistance
Que se passe-t-il lorsqu'on branche des éléments identiques en série et en parallèle ?
En série les tensions s'additionnent ; en parallèle les capacités
En série les capacités s'additionnent ; en parallèle les tensions
Les deux montages doublent la tension
Les deux montages divisent par deux la résistance interne

Why can a high-voltage supply remain dangerous after it has been switched off and unplugged?
Its filter capacitors can hold a lethal charge
The transformer keeps generating voltage for several minutes
The rectifier diodes store high voltage indefinitely
The mains lead continues to carry voltage from the earth
Pourquoi une alimentation haute tension peut-elle rester dangereuse après avoir été arrêtée et débranchée ?
Ses condensateurs de filtrage peuvent garder une charge mortelle
Le transformateur continue à produire une tension pendant plusieurs minutes
Les diodes de redressement stockent la haute tension indéfiniment
Le cordon secteur reste sous tension par la terre

How does a series diode protect mobile equipment against a reversed battery connection?
It blocks the current if the leads are reversed
It converts the reversed voltage into the correct polarity
It blows like a fuse at the first reversal
It limits the voltage to 13.8 V
Comment une diode en série protège-t-elle un équipement mobile contre une inversion de branchement de la batterie ?
Elle bloque le courant si les fils sont inversés
Elle convertit la tension inversée en polarité correcte
Elle fond comme un fusible à la première inversion
Elle limite la tension à 13,8 V

Why should the metal case of a mains-powered supply be connected to the protective earth?
So that a live-to-case fault blows the fuse instead of making the case live
To reduce the ripple on the output by draining it away into the earth connection
To increase the output voltage
To allow the supply to work without a fuse
Pourquoi le boîtier métallique d'une alimentation secteur doit-il être relié à la terre de protection ?
Pour qu'un défaut phase-boîtier fasse fondre le fusible au lieu de mettre le boîtier sous tension
Pour réduire l'ondulation de sortie en l'écoulant vers la prise de terre
Pour augmenter la tension de sortie
Pour permettre à l'alimentation de fonctionner sans fusible
""") + [
    batt_time(60.0, 4.0), batt_drop(12.6, 0.05, 20.0),
]

TOPIC = {
    "en": "Power supplies",
    "fr": "Alimentations",
    "sections": [S_RECTIFIERS, S_FILTERING, S_REGULATORS, S_SWITCHING, S_SAFETY],
}
