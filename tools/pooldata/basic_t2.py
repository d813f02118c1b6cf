"""Basic topic 2: operating practice."""

from basic_util import parse
import basic_calc as c

TITLE = ("Operating practice", "Pratique du trafic")

S01 = parse("""
How is the call sign F4XYZ spelled with the international phonetic alphabet?
Foxtrot Four X-ray Yankee Zulu
Foxtrot Four Xavier Yankee Zebra
France Four X-ray Yellow Zulu
Freddie Four Extra York Zero
Comment épelle-t-on l'indicatif F4XYZ avec l'alphabet phonétique international ?
Foxtrot Quatre X-ray Yankee Zulu
Foxtrot Quatre Xavier Yankee Zebra
France Quatre X-ray Yellow Zulu
Freddie Quatre Extra York Zero

Your call sign contains the letter Q. Which word of the international phonetic alphabet stands for it?
Quebec
Queen
Quito
Quarter
Votre indicatif comporte la lettre Q. Quel mot de l'alphabet phonétique international la représente ?
Quebec
Queen
Quito
Quarter

Your call sign contains the letter J. Which word of the international phonetic alphabet do you use to spell it?
Juliett
Japan
Jersey
Jack
Votre indicatif comporte la lettre J. Quel mot de l'alphabet phonétique international employez-vous pour l'épeler ?
Juliett
Japan
Jersey
Jack

A station spells part of its call sign as "Sierra". Which letter does this word stand for in the international phonetic alphabet?
S
C
Z
X
Une station épelle une partie de son indicatif par « Sierra ». Quelle lettre ce mot représente-t-il dans l'alphabet phonétique ?
S
C
Z
X

A call-sign suffix contains the letters W, K and V. Which sequence of international phonetic words spells them?
Whiskey, Kilo, Victor
Washington, King, Victory
Whiskey, Kentucky, Venice
Water, Kilo, Victor
Le suffixe d'un indicatif contient les lettres W, K et V. Quelle suite de mots phonétiques internationaux les épelle ?
Whiskey, Kilo, Victor
Washington, King, Victory
Whiskey, Kentucky, Venice
Water, Kilo, Victor

Why should you use the standard phonetic words rather than words you make up yourself?
They are known worldwide and hard to confuse
Made-up words are banned by the ITU on every band
Standard words take less time to say than made-up ones
Made-up words use more bandwidth than standard ones
Pourquoi utiliser les mots phonétiques normalisés plutôt que des mots de votre invention ?
Les mots normalisés, connus partout, se confondent peu
Les mots inventés sont interdits par l'UIT sur toutes les bandes
Les mots normalisés sont plus courts à prononcer
Les mots inventés occupent plus de largeur de bande

The letters M and N are easily confused by voice. Which phonetic words stand for them in the international alphabet?
Mike and November
Mary and Nancy
Mexico and Norway
Mike and Nectar
Les lettres M et N se confondent facilement en phonie. Quels mots de l'alphabet phonétique international les représentent ?
Mike et November
Mary et Nancy
Mexico et Norway
Mike et Nectar

You need to spell the letter H of your call sign clearly on a noisy band. Which word of the international phonetic alphabet do you use?
Hotel
Henry
Havana
Harbour
Vous devez épeler clairement la lettre H de votre indicatif sur une bande bruyante. Quel mot phonétique international employez-vous ?
Hotel
Henry
Havana
Harbour

When is it most useful to spell your call sign phonetically?
When signals are weak or disturbed, or when asked
In Morse contacts, where letters are hard to copy
When you work stations of your own country
Never, as it only slows the contact down
Quand est-il le plus utile d'épeler votre indicatif phonétiquement ?
Sur signaux faibles ou brouillés, ou sur demande
En télégraphie, où les lettres se lisent mal
Avec des stations de votre propre pays
Jamais, cela ne fait que ralentir la liaison
""")

S02 = parse("""
During a contact, the other station says "my QTH is near the coast". What is it telling you about?
Its location
Its name
Its change of frequency
Its being busy
Pendant une liaison, l'autre station dit « mon QTH est près de la côte ». De quoi vous parle-t-elle ?
De sa position
De son nom
De son changement de fréquence
De ce qu'elle est occupée

The other station reports "sorry, heavy QRM, please repeat". What is it complaining of?
Interference from other stations
Atmospheric noise from lightning in its area
Fading of the station's signal
Morse sent too fast
L'autre station signale « désolé, fort QRM, répétez s'il vous plaît ». De quoi se plaint-elle ?
D'un brouillage par d'autres stations
D'un bruit dû à la foudre
D'un évanouissement du signal
D'un Morse transmis trop vite

On 80 m on a summer evening, the other station reports "heavy QRN here". What does it mean?
Static from thunderstorms
Interference from another amateur station
A request to reduce transmitter power
A request to stop transmitting
Sur le 80 m, un soir d'été, l'autre station signale « fort QRN ici ». Que veut-elle dire ?
Un bruit naturel, comme les parasites d'orage
Un brouillage dû à une autre station amateur
Une demande de réduire la puissance
Une demande de cesser d'émettre

The frequency becomes crowded and an operator sends "QSY 7045". What does the operator mean?
Let us move to 7045 kHz
Reduce transmitter power to 7 W
I confirm receipt of message 7045
Stand by for 7 minutes
La fréquence devient encombrée et un opérateur transmet « QSY 7045 ». Que veut-il dire ?
Changeons de fréquence, pour 7045 kHz
Réduisez la puissance d'émission à 7 W
J'accuse réception du message 7045
Attendez 7 minutes

What does the Q-code QRP mean, and what do amateurs also use it for?
Reduce power; also low-power operation
Increase power; also high-power stations
I am ready; also the start of a contest
Your location; also portable operation
Que signifie le code Q QRP, et à quoi les radioamateurs l'emploient-ils aussi ?
Réduisez la puissance ; aussi le trafic à faible puissance
Augmentez la puissance ; aussi les fortes puissances
Je suis prêt ; aussi l'ouverture d'un concours
Votre position ; aussi le trafic en portable

The other station tells you "there is deep QSB on your signal". What is it describing?
Fading of your signal at its receiver
Interference from broadcast stations
A request to send faster
A rough, hum-modulated tone
L'autre station vous dit « il y a un fort QSB sur ton signal ». Que décrit-elle ?
L'évanouissement de votre signal à sa réception
Un brouillage dû aux stations de radiodiffusion
Une demande de transmettre plus vite
Une note rauque, modulée par le secteur, sur votre signal

A station sends you a message and asks "QSL?". In its basic sense, what is it asking?
Will you acknowledge receipt?
Are you leaving the air?
Can you call me later?
Shall I send a confirmation card by post?
Une station vous transmet un message et demande « QSL? ». Dans son sens premier, que demande-t-elle ?
Pouvez-vous accuser réception ?
Cessez-vous d'émettre ?
Pouvez-vous me rappeler plus tard ?
Dois-je envoyer une carte de confirmation par la poste ?

After calling CQ, you hear a weak reply you cannot copy and you send "QRZ?". What are you asking?
Who is calling me?
What is your location?
Is this frequency in use?
What is the exact time?
Après votre appel général, vous entendez une réponse faible que vous ne comprenez pas et vous transmettez « QRZ? ». Que demandez-vous ?
Qui est-ce qui m'appelle ?
Quelle est votre position ?
Cette fréquence est-elle occupée ?
Quelle est l'heure exacte ?

At the end of an evening on the air, an operator sends "QRT". What does this tell other stations?
That the station is closing down
That the station is increasing its power
That the station is ready to receive
That the station wants slower sending
À la fin d'une soirée de trafic, un opérateur transmet « QRT ». Qu'annonce-t-il aux autres stations ?
Que la station cesse d'émettre
Que la station augmente sa puissance
Que la station est prête à recevoir
Que la station demande de transmettre plus lentement

Your Morse is too fast for the other station, which sends "QRS". What is it asking you to do?
Send more slowly
Send faster
Stop sending
Change frequency
Votre Morse est trop rapide pour l'autre station, qui transmet « QRS ». Que vous demande-t-elle ?
De transmettre plus lentement
De transmettre plus vite
De cesser de transmettre
De changer de fréquence
""")

S03 = parse("""
An operator sends "CQ CQ CQ de" followed by a call sign. What does the abbreviation CQ mean?
A general call to any station
A call to one chosen station
The end of a contact
A request to repeat
Un opérateur transmet « CQ CQ CQ de » suivi d'un indicatif. Que signifie l'abréviation CQ ?
Un appel général à toute station
Un appel à une station choisie
La fin d'une liaison
Une demande de répétition

At the end of a CQ call in Morse, the operator sends the procedure signal K. What does it mean?
Invitation for any station to transmit
End of contact, closing down
Wait, I am busy for a moment
Message received in full
À la fin d'un appel général en Morse, l'opérateur transmet le signal de procédure K. Que signifie-t-il ?
Invitation à émettre, pour tous
Fin de liaison, la station fermant
Attendez, je suis occupé un instant
Message bien reçu en entier

At the end of an over in a Morse contact, the other station sends "KN". What does this procedure signal mean?
Over to the station I am working
Over; any station listening may now answer
The contact is over and I am closing down
Please send more slowly from now on
À la fin d'un passage d'une liaison en Morse, l'autre station transmet « KN ». Que signifie ce signal de procédure ?
À vous, et à la seule station contactée
À vous ; toute station peut répondre
La liaison est terminée et je ferme
Transmettez plus lentement désormais

At the very end of a Morse contact, after the final greetings, which procedure signal is sent to show the contact is over?
SK
AR
BK
KN
À la toute fin d'une liaison en Morse, après les salutations, quel signal de procédure transmet-on pour indiquer que la liaison est terminée ?
SK
AR
BK
KN

In Morse or voice, what does "DE" mean, as in "F4XYZ DE F5ABC"?
From; it precedes the sending station's call sign
To; it precedes the receiving station
Repeat; it asks for the last call sign again
Delete; it cancels the last word sent
En Morse ou en phonie, que signifie « DE », comme dans « F4XYZ DE F5ABC » ?
De la part de ; il précède l'indicatif de l'émetteur
À l'intention de ; il précède le destinataire
Répétez ; il redemande le dernier indicatif
Effacez ; il annule le dernier mot transmis

At the end of a friendly contact, an operator sends "73". What does this traditional number mean?
Best regards
Love and kisses
Good luck in the contest
Thank you for the report
À la fin d'une liaison amicale, un opérateur transmet « 73 ». Que signifie ce nombre traditionnel ?
Meilleures amitiés
Grosses bises
Bonne chance pour le concours
Merci pour le report

During a fast exchange in Morse, an operator sends "BK". What does this abbreviation mean?
Break: over to you, or I wish to cut in
Busy: the frequency is in use
Bad keying: check the adjustment of your key
Back soon: I will return after a short pause
Pendant un échange rapide en Morse, un opérateur transmet « BK ». Que signifie cette abréviation ?
Break : à vous, ou je souhaite interrompre
Occupé : la fréquence est prise
Mauvaise manipulation : vérifiez votre manipulateur
De retour bientôt, après une courte pause

Why do CW operators use abbreviations and Q-codes so widely?
They shorten messages and work across languages
Because full words cannot be sent in Morse
Because the rules forbid plain language in Morse
They make the contents harder for outsiders to read
Pourquoi les télégraphistes utilisent-ils autant les abréviations et les codes Q ?
Ils raccourcissent les messages et franchissent les langues
Parce qu'on ne peut pas transmettre de mots entiers en Morse
Parce que les règles interdisent le langage clair en Morse
Ils rendent le contenu plus difficile à lire pour les autres

In a Morse transmission, what is the procedure signal AR used for?
To mark the end of a message or call
To mark the start of a message
To invite only one named station to reply
To ask for a signal report
Dans une émission en Morse, à quoi sert le signal de procédure AR ?
À marquer la fin d'un message ou d'un appel
À marquer le début d'un message
À n'inviter qu'une station nommée à répondre
À demander un report de signal

Before calling CQ on a frequency that seems free, a CW operator sends "QRL?". What is being asked?
Is this frequency in use?
What is my exact frequency?
What is my signal strength?
Can you send faster?
Avant de lancer appel sur une fréquence qui semble libre, un télégraphiste transmet « QRL? ». Que demande-t-il ?
Cette fréquence est-elle occupée ?
Quelle est ma fréquence exacte ?
Quelle est la force de mon signal ?
Pouvez-vous transmettre plus vite ?
""")

S04 = parse("""
Signal reports are often given in the RST system. What do the three letters stand for?
Readability, Strength, Tone
Range, Speed, Time
Radio, Signal, Transmitter
Reception, Sensitivity, Tuning
Les reports de signal sont souvent donnés dans le système RST. Que représentent les trois lettres ?
Lisibilité, force, tonalité
Portée, vitesse, temps
Radio, signal, émetteur
Réception, sensibilité, accord

In an RST signal report, on what scale is the readability of the signal given?
From 1 (unreadable) to 5 (perfectly readable)
From 1 (unreadable) to 9 (perfectly readable)
From 0 (unreadable) to 10 (perfectly readable)
From 1 (unreadable) to 3 (perfectly readable)
Dans un report RST, sur quelle échelle donne-t-on la lisibilité du signal ?
De 1 (illisible) à 5 (parfaitement lisible)
De 1 (illisible) à 9 (parfaitement lisible)
De 0 (illisible) à 10 (parfaitement lisible)
De 1 (illisible) à 3 (parfaitement lisible)

In a voice contact, the other station gives you a report of "59". What does it mean?
Perfectly readable, very strong signal
Barely readable, extremely strong
Readable with difficulty, fair signal
Unreadable, but a very strong signal
Dans une liaison en phonie, l'autre station vous donne un report de « 59 ». Que signifie-t-il ?
Parfaitement lisible, signal très fort
À peine lisible, extrêmement fort
Lisible avec difficulté, signal moyen
Illisible, mais signal très fort

Why is there no tone figure in a signal report for a voice contact?
The tone figure rates the note of a CW signal
Voice signals are taken to have a perfect tone
The tone figure is used in contests and nowhere else
Voice reports are given in decibels above S9 instead
Pourquoi n'y a-t-il pas de chiffre de tonalité dans un report de liaison en phonie ?
Le chiffre de tonalité note la qualité d'un signal CW
Les signaux de phonie sont censés avoir une tonalité parfaite
Le chiffre de tonalité ne sert qu'en concours
Les reports en phonie se donnent plutôt en décibels au-dessus de S9

A CW signal you are copying has a rough note, clearly modulated by mains hum. Which tone figure of the RST report would you give?
A low figure, such as 3 or 4
9, since the note is still readable
0, since the tone scale starts at zero
None; the tone figure is not affected by hum
Le signal de télégraphie reçu a une note rauque, nettement modulée par le ronflement du secteur. Quel chiffre de tonalité RST donnez-vous ?
3 ou 4, un chiffre bas
9, puisque la note reste lisible
0, puisque l'échelle de tonalité commence à zéro
Aucun ; le ronflement n'affecte pas ce chiffre

What does "RST 339" describe?
Readable with much difficulty, weak, pure tone
Perfectly readable, strong, poor tone
Unreadable, faint signal, good tone
Fairly readable, moderate signal, rough and unsteady tone
Que décrit « RST 339 » ?
Lisible très difficilement, faible, tonalité pure
Parfaitement lisible, fort, tonalité médiocre
Illisible, signal faible, bonne tonalité
Assez lisible, signal moyen, tonalité rauque et instable

Why is an honest signal report more useful than an automatic "59"?
An honest report tells the station how it is really received
An automatic 59 is forbidden by the rules
Honest reports make contacts last longer
Only honest reports count for awards
Pourquoi un report sincère est-il plus utile qu'un « 59 » automatique ?
Il dit à l'autre station comment elle est vraiment reçue
Un 59 automatique est interdit par les règles
Les reports sincères font durer les liaisons
Seuls les reports sincères comptent pour les diplômes

During a contact the other station reads your signal on its S-meter. What does the S-meter of a receiver indicate?
The relative strength of the signal
The output power of your own transmitter
The frequency of the received signal
The SWR of the antenna system in use
Pendant une liaison, l'autre station lit votre signal sur son S-mètre. Qu'indique le S-mètre d'un récepteur ?
La force relative du signal
La puissance de sortie de votre émetteur
La fréquence du signal reçu
Le ROS du système d'antenne utilisé

On the strength scale of a signal report, how is a very strong signal usually described?
By 9, with "plus" decibels above S9
By a strength figure of 1, the top of the scale
By a strength figure of 5, the scale's maximum
By S10 and above, counting on past 9
Sur l'échelle de force d'un report, comment un signal très fort est-il habituellement décrit ?
Par 9, suivi de décibels « plus » au-dessus de S9
Par un chiffre de force de 1, le haut de l'échelle
Par un chiffre de force de 5, le maximum de l'échelle
Par S10 et au-delà, en comptant après 9
""")

S05 = parse("""
Before calling CQ on a frequency that seems free, what should you do?
Listen, then ask if the frequency is in use
Call CQ at once, since the frequency looks free
Tune the transmitter on the frequency at full power
Send a test carrier to check that it is clear
Avant de lancer appel sur une fréquence qui semble libre, que devez-vous faire ?
Écouter, puis demander si la fréquence est occupée
Lancer appel aussitôt, la fréquence semblant libre
Régler l'émetteur sur la fréquence à pleine puissance
Émettre une porteuse d'essai pour vérifier qu'elle est libre

How should you answer a station calling CQ by voice?
Its call sign once, then "this is" and yours
Your own call sign alone, repeated many times over
Its call sign ten times, then your own call sign once
A friendly "hello", then wait for a reply
Comment répondez-vous en phonie à une station qui lance appel ?
Son indicatif, puis « ici » et le vôtre
Votre indicatif seul, répété de nombreuses fois
Son indicatif dix fois, puis le vôtre une fois
Un « allô » amical, puis attendre la réponse

Why is a long CQ call usually less effective than several short calls with listening breaks?
Stations reply in the breaks, and time is saved
Long calls overheat the transmitter's final stage
The rules require a listening break every ten seconds
Long calls are heard only by nearby stations
Pourquoi un long appel général est-il souvent moins efficace que plusieurs appels courts entrecoupés d'écoute ?
Les stations répondent pendant les pauses, et l'on gagne du temps
Les appels longs font chauffer l'étage final
Les règles exigent une pause toutes les dix secondes
Les appels longs ne s'entendent qu'à proximité

When you call CQ in Morse, at what speed should you send?
At a speed you copy comfortably yourself
At the top speed your keyer allows
At exactly 5 words per minute
Faster than the stations you hope to work
Quand vous lancez appel en Morse, à quelle vitesse transmettez-vous ?
À une vitesse que vous recevez vous-même sans peine
Aussi vite que le permet votre manipulateur
À exactement 5 mots par minute
Plus vite que les stations que vous espérez contacter

Two stations answer your CQ at the same time. What is good practice?
Answer the one copied best, or ask for a repeat
Ignore both of them and call CQ again
Answer both at once, then pick one
Move frequency without telling either of them
Deux stations répondent en même temps à votre appel. Quelle est la bonne pratique ?
Répondre à la mieux reçue, ou faire répéter
Ignorer les deux et relancer appel
Répondre aux deux dans le même passage, puis en choisir une
Changer de fréquence sans prévenir ni l'une ni l'autre

What is a "directional CQ", such as "CQ DX" or "CQ Europe"?
A call for answers from certain areas only
A call made with a beam antenna pointed one way
A call aimed at one station that you already know
A call sent on two frequencies, one for each direction
Qu'est-ce qu'un « appel dirigé », comme « CQ DX » ou « CQ Europe » ?
Un appel réservé à certaines régions
Un appel lancé avec une antenne directive pointée dans un sens
Un appel destiné à une station déjà connue
Un appel transmis sur deux fréquences, une par direction

How should you end a contact?
Greetings, both call signs, and whether you stay on frequency
Stop transmitting without a word; the other will understand
Say goodbye and switch off, without call signs
Switch off while the other station is still talking
Comment terminez-vous une liaison ?
Saluer, donner les deux indicatifs, dire si l'on reste
Cesser d'émettre sans un mot, l'autre station comprendra
Dire au revoir et éteindre, sans donner d'indicatif
Éteindre pendant que l'autre station parle encore

A short first contact between two amateurs who do not know each other usually starts with a standard exchange. What are its usual first items?
Call signs, signal reports, names and locations
Equipment, antennas and the weather, in full detail
Licence numbers and the class of each licence
Serial numbers and contest zones
Une première liaison courte entre deux radioamateurs qui ne se connaissent pas suit en général un échange type. Quels en sont les premiers éléments ?
Indicatifs, reports, prénoms et positions
Le matériel, les antennes et la météo, en détail
Les numéros de licence et la classe de chacune
Des numéros de série et des zones de concours

Why should each over in a contact be kept reasonably short?
So that others waiting also get a turn
Because the transmitter overheats after one minute
Because the rules limit each over to thirty seconds
So that propagation does not change during the over
Pourquoi chaque passage d'une liaison doit-il rester assez court ?
Pour que l'autre et ceux qui attendent aient leur tour
Parce que l'émetteur chauffe au bout d'une minute
Parce que les règles limitent un passage à trente secondes
Pour que la propagation ne change pas pendant le passage

You hear a station calling CQ whose signal is very weak. What can you do to help it copy you?
Answer slowly, repeating call sign and report
Answer at the fastest speed you can manage
Use as many abbreviations and Q-codes as you can
Do not answer, as so weak a station cannot hear you
Vous entendez une station très faible lancer appel. Comment l'aider à vous recevoir ?
Répondre lentement, en répétant indicatif et report
Répondre aussi vite que vous le pouvez
Employer le plus possible d'abréviations et de codes Q
Ne pas répondre : une station aussi faible ne vous entendra pas
""")

S06 = parse("""
You want to use a frequency but hear only one side of a contact. What should you assume?
A station you cannot hear is perhaps using it
It is free, since you can hear only one of the two stations
The station you hear is testing on its own
The other station is on a different frequency
Vous voulez utiliser une fréquence mais n'entendez qu'un côté d'une liaison. Que devez-vous supposer ?
Une station que vous n'entendez pas l'occupe sans doute
Elle est libre, une seule station étant audible
La station entendue fait un essai seule
L'autre station est sur une autre fréquence

What is a pile-up?
Many stations calling one sought-after station at once
A run of contacts made without a break by one station
A net where stations check in one after another
A list of rare stations still waiting to be worked
Qu'est-ce qu'un « pile-up » ?
De nombreuses stations appelant ensemble une station rare
Une série de liaisons enchaînées sans pause par une station
Un réseau où les stations se signalent l'une après l'autre
Une liste de stations rares restant à contacter

What is "split" operation, often used by rare stations?
Sending on one frequency, listening on another
Two operators sharing one station and one microphone
Changing band every few minutes to find openings
Half of the contact in Morse, the other half by voice
Qu'est-ce que le trafic en « split », souvent pratiqué par les stations rares ?
Émettre sur une fréquence, écouter sur une autre
Deux opérateurs se partageant le même microphone
Changer souvent de bande pour trouver une ouverture
La moitié de la liaison en Morse, l'autre en phonie

During a pile-up, the rare station asks for stations with a certain prefix only. What should others do?
Stay silent until the rare station calls for them
Keep calling, to show that they are waiting too
Call with a different prefix to get through sooner
Tune their transmitters on the frequency meanwhile
Pendant un pile-up, la station rare ne demande que les stations d'un certain préfixe. Que doivent faire les autres ?
Se taire jusqu'à ce que la station rare les appelle
Continuer d'appeler pour montrer qu'ils attendent aussi
Appeler avec un autre préfixe pour passer plus vite
Régler leur émetteur sur la fréquence en attendant

Why should you tune your transmitter into a dummy load rather than on the air?
To avoid disturbing other stations
Because tuning on the air is not possible
Because dummy loads make the transmitter more stable
To protect the receiver from overload
Pourquoi régler votre émetteur sur charge fictive plutôt que sur l'air ?
Pour ne pas gêner les stations déjà là
Parce que le réglage sur l'air est impossible
Parce que la charge fictive stabilise l'émetteur
Pour protéger le récepteur de la saturation

By long-standing convention, which sideband is used for SSB voice on the amateur HF bands below 10 MHz, such as 80 m and 40 m?
Lower sideband
Upper sideband
Both sidebands at once
No sideband; FM is used there
Par une convention ancienne, quelle bande latérale emploie-t-on pour la phonie BLU sur les bandes amateurs HF au-dessous de 10 MHz, comme le 80 m et le 40 m ?
La bande latérale inférieure
La bande latérale supérieure
Les deux bandes latérales à la fois
Aucune ; on y utilise la FM

On HF, a program such as FT8 feeds audio tones into an SSB transceiver. Which sideband is conventionally selected for these digital modes?
Upper sideband, on every band
Lower sideband, on every band
Lower below 10 MHz, upper above, as for voice
Neither: FM, since the tones are audio
En HF, un logiciel comme FT8 envoie des tonalités audio à un émetteur-récepteur BLU. Quelle bande latérale choisit-on par convention pour ces modes ?
La supérieure, sur toutes les bandes
L'inférieure, sur toutes les bandes
L'inférieure sous 10 MHz, la supérieure au-dessus
La FM, les tonalités étant audio

Two SSB contacts are running 1 kHz apart. What is the likely result?
They interfere, as SSB voice needs about 3 kHz
Nothing, as SSB needs well under 1 kHz
The stronger one captures the receiver
Each station hears only a steady beat note
Deux liaisons BLU se déroulent à 1 kHz l'une de l'autre. Quel est le résultat probable ?
Brouillage, la BLU occupant environ 3 kHz
Rien, la BLU occupant bien moins de 1 kHz
Capture du récepteur par la plus forte, comme en FM
Chacune n'entend qu'une note de battement fixe

Why should you keep your transmitter power to the minimum needed for a good contact?
Less power means less interference to others, and saves energy
The rules set 5 W as the limit for every contact
Higher power distorts the speech of an SSB signal
Low power gives a cleaner signal that carries further
Pourquoi limiter la puissance d'émission au minimum nécessaire pour une bonne liaison ?
Cela réduit le brouillage des autres et économise l'énergie
Les règles fixent à 5 W la limite de toute liaison
Une forte puissance déforme la parole en BLU
Une faible puissance porte plus loin

An operator keeps transmitting on top of an ongoing contact. What is the best reaction of the stations in contact?
Ignore it and move if needed, without arguing
Tell the station off on the frequency until it stops
Jam the station in return so that it leaves
Send its call sign over and over to warn others
Un opérateur émet sans cesse par-dessus une liaison en cours. Quelle est la meilleure réaction des stations en liaison ?
L'ignorer et changer de fréquence
La sermonner sur la fréquence jusqu'à ce qu'elle cesse
La brouiller en retour pour qu'elle parte
La signaler en répétant son indicatif en boucle
""")

S07 = parse("""
What is an amateur repeater?
A station relaying what it hears on another frequency
An amplifier fitted between a hand-held radio and its antenna
A beacon that transmits so that others can study propagation
A receiver that watches a channel and records the traffic
Qu'est-ce qu'un relais amateur ?
Une station qui retransmet sur une fréquence ce qu'elle reçoit sur une autre
Un amplificateur placé entre un portatif et son antenne
Une balise qui émet pour que l'on étudie la propagation
Un récepteur qui surveille un canal et enregistre le trafic

Why do repeaters greatly increase the range of mobile and hand-held VHF stations?
They stand high with good antennas, covering a wide area
They raise the frequency of the signal for better range
They work on HF, where signals travel further
They store messages and send them when the band is open
Pourquoi les relais augmentent-ils beaucoup la portée des stations VHF mobiles et portatives ?
Ils sont haut placés, avec de bonnes antennes
Ils élèvent la fréquence du signal pour qu'il porte mieux
Ils fonctionnent en HF, où les signaux vont plus loin
Ils stockent les messages pour plus tard

What is the repeater "offset"?
The gap between its input and output frequencies
The distance between the repeater site and you
The delay before it retransmits
The tone that must be sent to open it
Qu'est-ce que le « décalage » (shift) d'un relais ?
L'écart entre les fréquences d'entrée et de sortie du relais
La distance entre le site du relais et votre station
Le retard entre votre signal et sa retransmission
La tonalité qu'il faut émettre pour l'ouvrir

What input-output offset do most FM repeaters on the 2 m band use?
600 kHz
12.5 kHz
5 MHz
7.6 MHz
Quel écart entre entrée et sortie la plupart des relais FM de la bande des 2 m utilisent-ils ?
600 kHz
12,5 kHz
5 MHz
7,6 MHz

A 70 cm repeater in Region 1 transmits on 438.950 MHz and, like most there, listens 7.6 MHz lower. On which frequency must your radio transmit?
431.350 MHz
446.550 MHz
438.350 MHz
433.950 MHz
Un relais 70 cm de la région 1 émet sur 438,950 MHz et, comme la plupart là-bas, écoute 7,6 MHz plus bas. Sur quelle fréquence votre poste doit-il émettre ?
431,350 MHz
446,550 MHz
438,350 MHz
433,950 MHz

What is the purpose of a CTCSS tone on many repeaters?
A low tone sent with your audio to open the repeater
A tone that warns you when your battery is low
A tone the repeater sends at the end of each over
A data burst carrying your call sign
À quoi sert une tonalité CTCSS sur de nombreux relais ?
Une tonalité basse émise avec votre voix pour ouvrir le relais
Une tonalité qui vous avertit que la batterie est faible
Une tonalité que le relais émet à la fin de chaque passage
Une salve de données qui transmet votre indicatif au relais

In which range do the standard CTCSS tones used to open repeaters lie?
About 67 to 250 Hz
About 300 to 3000 Hz
About 1 to 2 kHz
About 20 to 50 Hz
Dans quelle gamme se situent les tonalités CTCSS normalisées qui servent à ouvrir les relais ?
Environ 67 à 250 Hz
Environ 300 à 3000 Hz
Environ 1 à 2 kHz
Environ 20 à 50 Hz

Why should you pause briefly between overs when using a repeater?
To let other repeater users, perhaps with urgent traffic, call in
To let the repeater's transmitter cool for ten minutes
Because the repeater cannot carry two overs in a row
To let your own battery recover between overs
Pourquoi marquer une courte pause entre les passages sur un relais ?
Pour laisser place à d'autres stations, ou à une urgence
Pour laisser refroidir l'émetteur du relais dix minutes
Parce que le relais ne peut pas transmettre deux passages de suite
Pour laisser votre batterie récupérer entre deux passages

What is the "time-out timer" of a repeater for?
It cuts the repeater off if an over lasts too long
It switches the repeater off at night
It counts the day's contacts for the repeater's log
It sets the clock of the repeater's identification
À quoi sert la minuterie (time-out) d'un relais ?
Elle coupe le relais si un passage dure trop
Elle éteint le relais la nuit
Elle compte les liaisons du jour pour le journal du relais
Elle règle l'horloge de l'identification du relais

You can hear the other station directly with a good signal, without the repeater. What is good practice?
Move to a simplex channel and leave the repeater free
Keep using the repeater, since it is there
Use the repeater output for simplex
Raise your power on the repeater input
Vous entendez l'autre station directement avec un bon signal, sans le relais. Quelle est la bonne pratique ?
Passer sur un canal simplex et laisser le relais libre
Continuer sur le relais, puisqu'il est là
Utiliser la sortie du relais en simplex
Augmenter la puissance sur l'entrée du relais
""")

S08 = parse("""
How do you usually announce that you are listening on a repeater?
Your call sign followed by "listening"
A CQ call lasting several minutes
Keying the microphone without speaking
A long test tone, then listening for replies
Comment annonce-t-on habituellement que l'on est à l'écoute sur un relais ?
En donnant son indicatif suivi de « à l'écoute »
En lançant appel général plusieurs minutes
En appuyant sur l'alternat sans parler
En émettant une longue tonalité d'essai

Why should you not transmit on the repeater's output frequency?
You would interfere with everyone listening to the repeater
It would damage the repeater's receiver
The output is kept for data and digital voice
It would raise the SWR of your own antenna
Pourquoi ne faut-il pas émettre sur la fréquence de sortie d'un relais ?
Vous brouilleriez tous ceux qui écoutent le relais
Cela endommagerait le récepteur du relais
La sortie est réservée aux données
Cela augmenterait le ROS de votre propre antenne

What does "reverse" on a repeater-capable radio do?
It swaps transmit and receive frequencies
It reverses the supply polarity to protect the radio
It plays back your last transmission through the speaker
It turns the offset into a simplex channel on the output
Que fait la fonction « reverse » d'un poste prévu pour les relais ?
Elle permute les fréquences d'émission et de réception
Elle inverse la polarité de l'alimentation pour protéger le poste
Elle rejoue votre dernière émission dans le haut-parleur
Elle supprime le décalage et passe en simplex sur la sortie

In much of Region 1, 145.500 MHz is the 2 m FM calling frequency. How is it meant to be used?
For first contact in simplex, then moving off
As the output frequency of the repeaters of the region
As a channel kept for beacons and propagation tests
As the frequency on which digital modes are sent
Dans une grande partie de la région 1, 145,500 MHz est la fréquence d'appel FM des 2 m. Comment doit-on l'utiliser ?
Comme canal simplex de premier contact, avant de changer
Comme fréquence de sortie des relais de la région
Comme canal réservé aux balises
Comme fréquence d'émission des modes numériques

What may happen if you set too wide an FM deviation on your transmitter?
Distortion and interference to adjacent channels
A narrower signal the repeater cannot decode
Longer battery life, but a shorter range
A faster response from the repeater
Que peut-il se passer si vous réglez une excursion FM trop grande sur votre émetteur ?
De la distorsion et un brouillage des canaux adjacents
Un signal plus étroit que le relais ne sait pas décoder
Une batterie qui dure plus, mais une portée réduite
Une réponse plus rapide du relais

Some repeaters link to others over the internet. What must users of such linked systems remember?
Their signals reach far; the usual rules still apply
The link identifies for them, so they need not
Any language or content is allowed on a linked system
The link lets unlicensed people transmit on the radio side
Certains relais sont reliés à d'autres par internet. Que doivent retenir les utilisateurs de ces systèmes ?
Ils portent loin, et les règles restent les mêmes
La liaison les identifie, ils n'ont donc pas à le faire
Tout langage et tout contenu sont permis sur un système relié
La liaison permet à des non-licenciés d'émettre côté radio

What does a digital voice mode, such as D-STAR, DMR or C4FM, need at both ends of a contact?
Compatible equipment using the same protocol
An ordinary FM receiver with the squelch open
The same CTCSS tone at both stations
An internet link at both stations, even in simplex
De quoi un mode de phonie numérique, comme le D-STAR, le DMR ou le C4FM, a-t-il besoin aux deux bouts d'une liaison ?
D'équipements compatibles employant le même protocole
D'un simple récepteur FM, silencieux ouvert
De la même tonalité CTCSS aux deux stations
D'une liaison internet, même en simplex

A DMR repeater carries two separate conversations at once on a single channel. How does it do this?
It shares the channel in time, in two time slots
It splits it into two narrow FM channels
It sends one conversation on each sideband
It gives each conversation its own CTCSS tone
Un relais DMR achemine deux conversations distinctes à la fois sur un seul canal. Comment fait-il ?
Il partage le canal dans le temps, en deux créneaux
Il divise le canal en deux canaux FM plus étroits
Il transmet une conversation sur chaque bande latérale
Il donne à chaque conversation sa tonalité CTCSS

While mobile in a car, what is the safest way to operate?
Let a passenger operate, or stop safely first
Operate while driving, keeping overs short
Write the log at red lights, between two overs
Use a hand-held with its antenna inside the car
En voiture, quelle est la façon la plus sûre de trafiquer ?
Confier la radio à un passager, ou s'arrêter d'abord
Trafiquer en conduisant, avec des passages courts
Remplir le carnet aux feux rouges, entre deux passages
Utiliser un portatif avec l'antenne dans l'habitacle
""")

S09 = parse("""
Why do amateurs record times in UTC in their logs?
It is the same everywhere, so all logs agree
UTC is the local time of the ITU's seat in Geneva
It is needed in summer time, when clocks change
Local time is too imprecise for a log entry
Pourquoi les radioamateurs notent-ils les heures en UTC dans leur carnet ?
C'est la même heure partout, et tous les carnets concordent
L'UTC est l'heure locale du siège de l'UIT à Genève
Elle s'impose à l'heure d'été
L'heure locale est trop imprécise pour un carnet

Which items are normally recorded in an amateur station log for each contact?
Date, UTC time, band, mode, call sign and reports
The other operator's name and the weather at each end
The price of the contact and the power of both stations
Equipment of the other station and its operator's address
Quels éléments note-t-on normalement au carnet de trafic pour chaque liaison ?
La date, l'heure UTC, la bande, le mode, l'indicatif et les reports
Le prénom de l'autre opérateur et la météo des deux côtés
Le prix de la liaison et la puissance des deux stations
La liste du matériel de l'autre station et l'adresse de son opérateur

After a contact with a distant station, you receive its QSL card in the post. What is a QSL card?
A written confirmation of a contact
A licence card issued to each station
A card listing the Q-codes and their meanings
A memory card that stores a radio's settings
Après une liaison avec une station lointaine, vous recevez sa carte QSL par la poste. Qu'est-ce qu'une carte QSL ?
Une confirmation écrite d'une liaison
Une carte de licence délivrée à chaque station
Une carte qui liste les codes Q et leur sens
Une carte mémoire qui garde les réglages d'un poste

Besides confirming contacts, why is a careful log useful?
It records when you were on the air, for interference cases
It raises the power the station is allowed to use
It can replace the licence document during an inspection
It is useful in contests only, where every entry is checked
Outre la confirmation des liaisons, à quoi sert un carnet bien tenu ?
Il montre quand vous avez émis, en cas de brouillage
Il augmente la puissance permise à la station
Il peut remplacer le document de licence lors d'un contrôle
Il ne sert qu'en concours, où chaque ligne est vérifiée

What is a QSL bureau?
A society's service that forwards QSL cards in bulk
A government office that confirms contacts
A shop that sells printed QSL cards and logbooks
A club that organises contests and checks the logs
Qu'est-ce qu'un bureau QSL ?
Un bureau associatif qui achemine les QSL en nombre
Un bureau de l'État qui confirme les liaisons
Un magasin qui vend des cartes QSL imprimées et des carnets
Un club qui organise des concours et contrôle les carnets

A listener sends you a report card signed with "SWL" after the name. What does the abbreviation SWL mean?
A short-wave listener, who does not transmit
A station working on low power, under 5 W
A standing-wave level read on an SWR meter
A special licence for working with satellites
Un écouteur vous envoie une carte de report signée « SWL » après son nom. Que signifie l'abréviation SWL ?
Un écouteur d'ondes courtes, qui n'émet pas
Une station travaillant à faible puissance, sous 5 W
Un niveau d'ondes stationnaires lu au ROS-mètre
Une licence spéciale pour le trafic par satellite
""") + c.utc([(14, 30, 2), (21, 45, -5), (0, 30, 3)]) + parse("""
FT8 stations transmit in fixed 15-second periods. Why must the computer clock of an FT8 station be right to within about a second?
Decoders expect signals to begin at the period start
The clock sets the frequency of the audio tones
The UTC time is sent in every FT8 message and is checked
An error of a second would shift the signal out of the band
Les stations FT8 émettent par périodes fixes de 15 secondes. Pourquoi l'horloge de leur ordinateur doit-elle être juste à une seconde près environ ?
Le décodage attend chaque émission au début de la période
L'horloge fixe la fréquence des tonalités audio
L'heure UTC figure dans chaque message FT8
Une seconde d'erreur ferait sortir le signal de la bande
""")

S10 = parse("""
A CW station is heard calling on 7.050 MHz. In which amateur band is it operating?
The 40 m band
The 80 m band
The 20 m band
The 15 m band
Une station de télégraphie lance appel sur 7,050 MHz. Dans quelle bande amateur trafique-t-elle ?
La bande des 40 m
La bande des 80 m
La bande des 20 m
La bande des 15 m

A weak-signal SSB station is heard on 144.300 MHz. In which amateur band is it operating?
The 2 m band
The 6 m band
The 70 cm band
The 10 m band
Une station BLU à signaux faibles est entendue sur 144,300 MHz. Dans quelle bande amateur trafique-t-elle ?
La bande des 2 m
La bande des 6 m
La bande des 70 cm
La bande des 10 m

A station is heard on 432.200 MHz during a VHF and UHF contest. In which amateur band is it operating?
The 70 cm band
The 2 m band
The 23 cm band
The 6 m band
Une station est entendue sur 432,200 MHz pendant un concours VHF-UHF. Dans quelle bande amateur trafique-t-elle ?
La bande des 70 cm
La bande des 2 m
La bande des 23 cm
La bande des 6 m

A regional net meets every evening on 3.650 MHz. In which amateur band is it held?
The 80 m band
The 160 m band
The 40 m band
The 30 m band
Un réseau régional se réunit chaque soir sur 3,650 MHz. Dans quelle bande amateur se tient-il ?
La bande des 80 m
La bande des 160 m
La bande des 40 m
La bande des 30 m

A station is heard calling CQ on 28.500 MHz. In which amateur band is it operating?
The 10 m band
The 12 m band
The 15 m band
The 6 m band
Une station lance appel sur 28,500 MHz. Dans quelle bande amateur trafique-t-elle ?
La bande des 10 m
La bande des 12 m
La bande des 15 m
La bande des 6 m

A distant station is heard on SSB on 21.200 MHz. In which amateur band is it operating?
The 15 m band
The 17 m band
The 12 m band
The 20 m band
Une station lointaine est entendue en BLU sur 21,200 MHz. Dans quelle bande amateur trafique-t-elle ?
La bande des 15 m
La bande des 17 m
La bande des 12 m
La bande des 20 m

Why are amateur bands commonly named by a wavelength in metres, such as "20 m"?
The name is close to the wavelength of its signals
It is the exact length its antenna must have
It is the length of a half-wave dipole for the band
It is the height above ground its antenna needs
Pourquoi les bandes amateurs portent-elles couramment le nom d'une longueur d'onde, comme « 20 m » ?
C'est la longueur d'onde approchée des signaux
C'est la longueur exacte que doit avoir son antenne
C'est la longueur d'un dipôle demi-onde pour la bande
C'est la hauteur au-dessus du sol qu'exige son antenne
""") + c.mhz_khz([("7.074", "mhz"), (14230, "khz"), ("1.8365", "mhz")])

S11 = parse("""
Which digital mode is widely used for weak-signal HF contacts, with short, largely automatic exchanges in 15-second transmit and receive periods?
FT8
WSPR
PSK31
RTTY
Quel mode numérique est très utilisé en HF pour les signaux faibles, avec des échanges courts, largement automatiques, par périodes de 15 secondes ?
Le FT8
Le WSPR
Le PSK31
Le RTTY

What does a minimal FT8 contact exchange between the two stations?
Call signs, grid locators and signal reports in decibels
Names, towns and RST reports, typed out in full sentences
Call signs and contest serial numbers, with nothing else
Call signs, transmitter powers and antenna descriptions
Que contient l'échange minimal d'une liaison en FT8 entre les deux stations ?
Les indicatifs, les locators et des reports en décibels
Les prénoms, les villes et des reports RST, en phrases complètes
Les indicatifs et des numéros de série de concours, sans plus
Les indicatifs, les puissances d'émission et les antennes

What is PSK31 best known for?
Live keyboard chats in a very narrow signal
Weak-signal exchanges in fixed 15-second periods
Sending pictures in about 31 seconds
Relaying messages through packet digipeaters
Pour quoi le PSK31 est-il surtout connu ?
Les échanges au clavier en direct, sur un signal très étroit
Des échanges à signaux faibles par périodes fixes de 15 secondes
L'envoi d'images en environ 31 secondes
Le relais de messages par les digipeaters du packet

What is the main cause of overheating when a transceiver runs digital modes at full power?
Many digital modes transmit continuously, at full duty cycle
Digital modes are sent on a higher frequency than voice
The computer heats the transceiver through the cable
Digital signals carry harmonics that heat the amplifier
Quelle est la cause principale de l'échauffement d'un émetteur-récepteur en mode numérique à pleine puissance ?
Beaucoup de modes numériques émettent en continu, sans temps de repos
Les modes numériques sont émis sur une fréquence plus haute que la phonie
L'ordinateur chauffe l'appareil par le câble
Les signaux numériques sont riches en harmoniques qui chauffent l'amplificateur

Why should the audio level from the computer to an SSB transmitter on digital modes be set carefully?
Too much audio overdrives it into wide, distorted signals
Too little audio damages the computer's sound card
The audio level sets the frequency of the signal on the band
The audio level must match the CTCSS tone of the mode
Pourquoi régler soigneusement le niveau audio de l'ordinateur vers un émetteur BLU en mode numérique ?
Trop d'audio donne des signaux larges et déformés
Un niveau trop faible endommage la carte son de l'ordinateur
Le niveau audio fixe la fréquence du signal sur la bande
Le niveau audio doit correspondre à la tonalité CTCSS du mode

What is APRS used for?
Sending positions and short messages by packet radio
Sending still pictures line by line, as slow-scan TV
Linking repeaters in different towns over the internet
Tuning antennas automatically from a distance
À quoi sert l'APRS ?
À transmettre positions et messages courts en packet
À envoyer des images fixes en télévision à balayage lent
À relier par internet des relais de villes différentes
À accorder les antennes à distance, automatiquement

An amateur satellite is said to work in "mode U/V". What does this tell you?
The uplink is on 70 cm (UHF) and the downlink on 2 m (VHF)
The uplink is on 2 m (VHF) and the downlink on 70 cm (UHF)
Both links are on 70 cm, split by the usual 7.6 MHz
The uplink is by voice and the downlink is in Morse
On dit qu'un satellite amateur fonctionne en « mode U/V ». Qu'est-ce que cela indique ?
La montée est en 70 cm (UHF) et la descente en 2 m (VHF)
La montée est en 2 m (VHF) et la descente en 70 cm (UHF)
Les deux liaisons sont en 70 cm, décalées des 7,6 MHz usuels
La montée se fait en phonie et la descente en Morse

Why do signals from a low-orbit amateur satellite change frequency during a pass?
The Doppler effect, as the satellite approaches then recedes
The satellite retunes on purpose to avoid interference
The ionosphere reflects the signal at a changing angle
The satellite's battery voltage falls during the pass
Pourquoi les signaux d'un satellite amateur en orbite basse changent-ils de fréquence au cours d'un passage ?
L'effet Doppler, le satellite s'approchant puis s'éloignant
Le satellite se réaccorde exprès pour éviter le brouillage
L'ionosphère réfléchit le signal sous un angle changeant
La batterie du satellite se décharge

When you work through an amateur satellite, why is it good practice to listen to your own downlink while you transmit?
To check your frequency and use no more power than needed
To hear whether your microphone is switched on
Because the satellite does not retransmit unless you listen
To measure the height of the satellite from the delay
Quand vous trafiquez par un satellite amateur, pourquoi est-il bon d'écouter votre propre signal descendant pendant que vous émettez ?
Pour vérifier votre fréquence et limiter votre puissance
Pour savoir si votre microphone est bien allumé
Parce que le satellite ne retransmet que si vous écoutez
Pour mesurer l'altitude du satellite d'après le retard

Why is it good practice to check the waterfall display before transmitting on a digital-mode frequency?
To pick a clear spot and not transmit over others
The waterfall display sets the radio's transmit power
To measure the SWR of the antenna before sending
To read the UTC time that the other stations send
Pourquoi est-il de bonne pratique de regarder l'affichage en cascade avant d'émettre sur une fréquence de mode numérique ?
Pour choisir une place libre sans gêner les autres
Parce que la cascade règle la puissance d'émission du poste
Pour mesurer le ROS de l'antenne avant d'émettre
Pour lire l'heure UTC envoyée par les autres stations
""")

S12 = parse("""
What is an amateur radio contest?
An event to make as many contacts as possible under set rules
An on-air examination for a higher licence class, run by the administration
A comparison of the prices of equipment from different makers
A yearly meeting of the national society's committee on the air
Qu'est-ce qu'un concours radioamateur ?
Une épreuve où l'on fait le plus de liaisons possible selon des règles
Un examen sur l'air pour une classe de licence supérieure, mené par l'administration
Une comparaison des prix du matériel des différents fabricants
Une réunion annuelle sur l'air du bureau de l'association nationale

What is a "contest exchange"?
A report such as 599 and a serial number that stations swap
The trading of equipment between contestants after the contest ends
An agreement between two stations to swap frequencies during the contest
The list of final scores published by the organisers
Qu'est-ce que l'« échange » d'un concours ?
Un report comme 599 et un numéro de série à échanger
L'échange de matériel entre concurrents à la fin du concours
Un accord entre deux stations pour échanger leurs fréquences pendant le concours
La liste des résultats finaux publiée par les organisateurs

During a big contest weekend, why should contest stations keep out of some narrow parts of the bands?
Band plans keep segments such as beacon sub-bands contest-free
Those segments are allocated to broadcasting on contest weekends
Contest signals are too wide to fit in narrow segments
The ITU reserves them for emergency traffic at weekends
Pendant un grand concours, pourquoi les stations doivent-elles éviter certaines parties étroites des bandes ?
Les plans de bandes y protègent des segments, comme les balises
Ces segments sont attribués à la radiodiffusion les week-ends de concours
Les signaux de concours sont trop larges pour ces segments étroits
L'UIT les réserve au trafic d'urgence le week-end

Many operators watch a "DX cluster" while on the air. What is a DX cluster?
A network sharing reports of stations heard on the air
Antennas sharing one mast at a contest site
A multi-band amplifier used by DX stations
A published list of stations banned from contests
De nombreux opérateurs surveillent un « DX cluster » en trafiquant. Qu'est-ce qu'un DX cluster ?
Un réseau qui partage les stations entendues sur les bandes
Des antennes partageant un mât de concours
Un amplificateur multibande employé par les stations DX
Une liste publiée de stations exclues des concours

Why should you not call a DX station that has just been announced on a cluster without first listening?
Perhaps it is working split, or calling certain areas only
Announced stations are false more often than not
Listening first is required in contests, not elsewhere
Calling blind is the fastest way to make the contact
Pourquoi ne pas appeler sans écouter une station DX qui vient d'être annoncée sur un cluster ?
Elle travaille sans doute en split ou par régions
Les stations annoncées sont le plus souvent fausses
Écouter d'abord est exigé en concours, pas ailleurs
Appeler à l'aveugle est le plus rapide pour obtenir la liaison

What is an amateur beacon station?
A station sending regularly for propagation studies
A station that calls for help by itself when its operator is in danger
A station that relays contacts from one band to another
A station that jams unlicensed transmissions in the amateur bands
Qu'est-ce qu'une balise amateur ?
Une station qui émet régulièrement pour la propagation
Une station qui appelle à l'aide d'elle-même quand son opérateur est en danger
Une station qui relaie les liaisons d'une bande vers une autre
Une station qui brouille les émissions non autorisées des bandes amateurs

You wish to join a directed net that is in progress. How do you normally check in?
Wait for net control to call for check-ins
Call the station you want directly, since the net is open to all
Break in at once with your traffic, then give your call sign
Call CQ on the net frequency between two of the net's overs
Vous voulez rejoindre un réseau dirigé en cours. Comment vous signalez-vous normalement ?
Attendre que la station directrice demande qui veut se signaler
Appeler directement la station voulue, puisque le réseau est ouvert
Intervenir aussitôt avec votre message, puis donner votre indicatif
Lancer appel général sur la fréquence du réseau entre deux passages

In the heading of a formal message passed on a traffic or emergency net, what is the "check"?
The word count of the text, to confirm nothing is missing
The time at which net control checked the message in
A code word that proves the sender is a licensed amateur
The call sign of the station that must check the spelling
Dans l'en-tête d'un message formel transmis sur un réseau de trafic ou d'urgence, qu'est-ce que le « contrôle » (check) ?
Le nombre de mots du message, pour vérifier que rien ne manque
L'heure à laquelle la station directrice a enregistré le message
Un mot code prouvant que l'expéditeur est radioamateur
L'indicatif de la station chargée de vérifier l'orthographe

What is field day or portable operation in the amateur sense?
Operating away from home, often from a 12 V battery
Working only from a vehicle while driving on public roads
Operating from an airport under an aviation licence
Repairing and testing equipment outdoors, off the air
Qu'est-ce qu'une journée de trafic en portable au sens radioamateur ?
Trafiquer hors de chez soi, souvent sur batterie de 12 V
Trafiquer uniquement depuis un véhicule en roulant sur la voie publique
Trafiquer depuis un aéroport avec une licence aéronautique
Réparer et essayer le matériel en plein air, sans émettre
""")

SECTIONS = [S01, S02, S03, S04, S05, S06, S07, S08, S09, S10, S11, S12]
