"""Basic topic 1: regulations and licensing, in general international terms."""

from basic_util import parse
import basic_calc as c

TITLE = ("Regulations and licensing", "R\u00e9glementation et licences")

S01 = parse("""
Which organisation coordinates the use of the radio spectrum between countries worldwide?
The International Telecommunication Union (ITU)
The International Amateur Radio Union (IARU)
The European Telecommunications Standards Institute (ETSI)
The International Organization for Standardization (ISO)
Quel organisme coordonne l'utilisation du spectre radioélectrique entre les pays du monde entier ?
L'Union internationale des télécommunications (UIT)
L'Union internationale des radioamateurs (IARU)
L'Institut européen des normes de télécommunication (ETSI)
L'Organisation internationale de normalisation (ISO)

What is the name of the international treaty text that allocates frequency bands to the radio services?
The Radio Regulations of the ITU
The band plan of each IARU region
The Constitution of the International Amateur Radio Union
The standards of the ITU-T, the telecom sector
Comment s'appelle le texte de traité international qui attribue les bandes de fréquences aux services de radiocommunication ?
Le Règlement des radiocommunications de l'UIT
Le plan de bandes des régions IARU
Les statuts de l'Union internationale des radioamateurs
Les recommandations de normalisation de l'UIT-T

How are the international Radio Regulations revised from time to time?
By World Radiocommunication Conferences of ITU members
By a yearly vote of the IARU member societies
By the ITU Radiocommunication Bureau, without the member states
By each national administration for its own territory
Comment le Règlement international des radiocommunications est-il révisé de temps à autre ?
Par les Conférences mondiales des radiocommunications
Par un vote annuel des associations membres de l'IARU
Par le Bureau des radiocommunications de l'UIT, sans les États
Par les administrations nationales, pour leur territoire

Who issues the amateur licence or authorisation that allows you to transmit?
The telecommunications administration of your country
The ITU, which issues a worldwide licence
The national amateur society, acting for the ITU
The regional union of amateur societies (IARU)
Qui délivre la licence ou l'autorisation de radioamateur qui permet d'émettre ?
L'administration des télécommunications de votre pays
L'UIT, qui délivre une licence valable dans le monde entier
L'association nationale de radioamateurs, au nom de l'UIT
L'union régionale des associations (IARU)

In the international allocation tables, what does it mean when a band is allocated to a service on a secondary basis?
It must not disturb primary services and cannot claim protection from them
It has the same rights as the primary services, on equal terms
It is protected from primary services, but limited to low power
It may use the band only outside the hours of the primary service
Dans les tableaux d'attribution internationaux, que signifie l'attribution d'une bande à un service à titre secondaire ?
Il ne doit pas brouiller les services primaires ni exiger d'être protégé d'eux
Il a les mêmes droits que les services primaires, à égalité
Il est protégé des services primaires, mais limité en puissance
Il utilise la bande en dehors des heures du service primaire

An amateur band is shared, with amateurs on a secondary basis. A primary-service station causes interference to your contact. What should you do?
Accept it and move to a clear frequency
Increase power to overcome the primary station
Ask the primary station to change frequency
Report the primary station for harmful interference
Une bande amateur est partagée, les amateurs y étant à titre secondaire. Une station d'un service primaire brouille votre liaison. Que faites-vous ?
L'accepter et passer sur une fréquence libre
Augmenter la puissance pour couvrir la station primaire
Demander à la station primaire de changer de fréquence
Signaler la station primaire pour brouillage préjudiciable

Where does an amateur find the bands, powers and modes allowed to him or her in a given country?
In the licence conditions set by that country's administration
In the ITU Radio Regulations, which apply unchanged everywhere
In the IARU band plan of the region, which has the force of law
In the rules of the national amateur society of the country
Où un radioamateur trouve-t-il les bandes, puissances et modes qui lui sont permis dans un pays donné ?
Dans les conditions de licence fixées par l'administration du pays
Dans le Règlement des radiocommunications, appliqué tel quel partout
Dans le plan de bandes IARU de la région, qui a force de loi
Dans le règlement de l'association nationale de radioamateurs

Why do amateur band plans divide a band into segments for CW, digital modes and telephony?
So that incompatible modes interfere less with each other
So that modes get the frequencies where they propagate best
So that the administration can charge a fee per segment
So that beginners and experts stay on separate frequencies
Pourquoi les plans de bandes amateurs divisent-ils une bande en segments pour la télégraphie, les modes numériques et la téléphonie ?
Pour que des modes incompatibles se gênent moins entre eux
Pour que les modes aient les fréquences où ils se propagent le mieux
Pour que l'administration perçoive une redevance par segment
Pour séparer les débutants des opérateurs expérimentés

Which body usually draws up the voluntary band plans used by amateurs within an ITU region?
The regional union of national amateur societies
The ITU Radiocommunication Bureau in Geneva
The regional body of telecommunications administrations
Each equipment maker, through the settings of its radios
Quel organisme établit en général les plans de bandes volontaires suivis par les radioamateurs dans une région de l'UIT ?
L'union régionale des associations nationales
Le Bureau des radiocommunications de l'UIT, par région
L'organisme régional des administrations des télécommunications
Le fabricant des appareils, par leurs réglages

What is the main purpose of international frequency allocation?
To let radio services work without interfering with each other
To fix the licence fees that each country charges its users
To set the band plans that amateurs follow for each mode
To give broadcasters the exclusive use of the HF bands
Quel est le but principal de l'attribution internationale des fréquences ?
Permettre aux services de fonctionner sans se brouiller
Fixer les redevances que les pays demandent à leurs usagers
Établir les plans de bandes des radioamateurs, mode par mode
Réserver l'usage exclusif des bandes HF aux radiodiffuseurs
""")

S02 = parse("""
For the purposes of frequency allocation in its Radio Regulations, into how many regions does the ITU divide the world?
3 regions
2 regions
4 regions
5 regions
Pour l'attribution des fréquences dans son Règlement des radiocommunications, en combien de régions l'UIT divise-t-elle le monde ?
3 régions
2 régions
4 régions
5 régions

For frequency allocation, which group of areas forms ITU Region 1?
Europe, Africa, the Middle East and northern Asia
North and South America, including Greenland
Southern Asia, Australia and the western Pacific islands
Europe, North America and the North Atlantic islands
Pour l'attribution des fréquences, quel ensemble de territoires forme la région 1 de l'UIT ?
L'Europe, l'Afrique, le Moyen-Orient et le nord de l'Asie
L'Amérique du Nord et du Sud, Groenland compris
L'Asie du Sud, l'Australie et les îles du Pacifique ouest
L'Europe, l'Amérique du Nord et les îles de l'Atlantique nord

In ITU Region 2, the Americas, at which frequency is the upper edge of the 40 m amateur band?
7.300 MHz
7.200 MHz
7.100 MHz
7.350 MHz
Dans la région 2 de l'UIT (les Amériques), à quelle fréquence se trouve la limite supérieure de la bande amateur des 40 m ?
7,300 MHz
7,200 MHz
7,100 MHz
7,350 MHz

In ITU Region 1, which includes Europe and Africa, at which frequency is the upper edge of the 80 m amateur band?
3.800 MHz
4.000 MHz
3.900 MHz
3.600 MHz
Dans la région 1 de l'UIT (Europe, Afrique), à quelle fréquence se trouve la limite supérieure de la bande amateur des 80 m ?
3,800 MHz
4,000 MHz
3,900 MHz
3,600 MHz

Why can the limits of an amateur band differ between the ITU regions?
Each region has its own allocation table, suited to its services
Propagation differs by region, so the bands are shifted to suit it
The amateur societies of each region vote their own band limits
The limits follow the IARU band plan, which differs by region
Pourquoi les limites d'une bande amateur peuvent-elles différer d'une région de l'UIT à l'autre ?
Chaque région a son tableau d'attribution, adapté à ses services
La propagation diffère d'une région à l'autre, et les bandes s'y adaptent
Les associations régionales votent leurs propres limites de bandes
Les limites suivent le plan de bandes IARU, propre à chaque région

When you operate near a regional boundary and work a station in another region, which allocation applies to your own transmission?
The rules in force where your station is located
The allocation of the region of the station you are working
Whichever of the two allocations gives the wider band
Only the part of the band common to both regions
Lorsque vous trafiquez près d'une limite de région avec une station d'une autre région, quelle attribution s'applique à votre propre émission ?
L'attribution et les règles en vigueur là où se trouve votre station
L'attribution de la région de la station contactée
Celle des deux attributions qui donne la bande la plus large
Seulement la partie de la bande commune aux deux régions

In which of these bands does the amateur service have an allocation in all three ITU regions?
The 14.000 to 14.350 MHz band
The 7.200 to 7.300 MHz band
The 3.800 to 4.000 MHz band
The 146 to 148 MHz band
Dans laquelle de ces bandes le service d'amateur a-t-il une attribution dans les trois régions de l'UIT ?
La bande de 14,000 à 14,350 MHz
La bande de 7,200 à 7,300 MHz
La bande de 3,800 à 4,000 MHz
La bande de 146 à 148 MHz

Amateurs should know their neighbours in the spectrum. What is the main use of the 88 to 108 MHz band in every ITU region?
FM sound broadcasting
Aeronautical radio navigation
Maritime VHF radiotelephony
Amateur FM repeaters
Un radioamateur doit connaître ses voisins dans le spectre. Quel est l'usage principal de la bande de 88 à 108 MHz dans toutes les régions de l'UIT ?
La radiodiffusion sonore en FM
La radionavigation aéronautique
La radiotéléphonie maritime VHF
Les relais FM de radioamateurs

What does the term "amateur-satellite service" describe?
The use of space stations on satellites for amateur purposes
The commercial service that rents satellite time to amateurs
The reception of weather satellites by amateur listeners
The use of commercial satellites by amateurs for their contacts
Que désigne l'expression « service d'amateur par satellite » ?
L'emploi de stations spatiales sur satellites à des fins d'amateur
Un service commercial qui loue du temps satellite aux radioamateurs
La réception des satellites météo par des écouteurs amateurs
L'usage de satellites commerciaux par des radioamateurs

In ITU Region 1, at which frequency is the upper edge of the 2 m amateur band?
146 MHz
147 MHz
148 MHz
150 MHz
Dans la région 1 de l'UIT, à quelle fréquence se trouve la limite supérieure de la bande amateur des 2 m ?
146 MHz
147 MHz
148 MHz
150 MHz
""")

S03 = parse("""
According to the international definition, what is the amateur service for?
Self-training, intercommunication and technical study, without financial gain
Low-cost business communications for small firms and self-employed workers
Leisure broadcasting of music and news by private persons to the public
Reserve communications for the police, the army and the civil services
Selon la définition internationale, à quoi sert le service d'amateur ?
L'instruction individuelle, l'intercommunication et les études techniques, sans but lucratif
Les communications professionnelles à bas prix des petites entreprises et des indépendants
La diffusion de musique et d'informations au public par des particuliers
Les liaisons de réserve de la police, de l'armée et des services publics

May a licensed amateur be paid for the messages he or she transmits over an amateur station?
No, the amateur service excludes all pecuniary interest
Yes, if the payment just covers the cost of the station
Provided the customer is also a licensed amateur
Yes, when the message is sent for a registered charity
Un radioamateur autorisé peut-il être payé pour les messages qu'il transmet depuis une station d'amateur ?
Non, le service d'amateur exclut tout intérêt pécuniaire
Oui, si la somme se limite aux frais de la station
Pourvu que le client soit lui aussi radioamateur
Oui, si le message est envoyé pour une œuvre caritative

Which of these activities fits the purpose of the amateur service?
Testing a home-made antenna by making contacts with other amateurs
Relaying a shop's orders to its suppliers when phone lines are down
Playing recorded music to entertain listeners on the band
Announcing a friend's business to the amateurs who listen
Laquelle de ces activités correspond à l'objet du service d'amateur ?
Essayer une antenne de sa fabrication en contactant d'autres stations
Transmettre les commandes d'un magasin quand le téléphone est en panne
Diffuser de la musique enregistrée pour distraire les auditeurs
Faire connaître l'entreprise d'un ami aux amateurs à l'écoute

Why is an examination usually required before an amateur licence is issued?
To check that the candidate knows how to operate safely
To keep the number of amateurs small so that the bands stay uncrowded
To apply the one common examination the ITU sets for every country
To fund the administration's monitoring service through fees
Pourquoi un examen est-il généralement exigé avant la délivrance d'une licence de radioamateur ?
Pour vérifier que le candidat trafique sans danger
Pour limiter le nombre de radioamateurs afin que les bandes restent libres
Pour appliquer l'examen commun fixé par l'UIT à tous les pays
Pour financer le service de contrôle de l'administration

What distinguishes an amateur station from a station of the citizens band or other licence-free services?
The amateur holds a personal licence earned by examination
The amateur station is limited to Morse code and digital modes
The amateur may only use equipment that he or she has built
The amateur station is reserved for emergency and public-service use
Qu'est-ce qui distingue une station d'amateur d'une station de bande CB ou d'un autre service sans licence ?
Le radioamateur a une licence personnelle obtenue par un examen
La station d'amateur est limitée à la télégraphie et aux données
Le radioamateur ne peut employer que du matériel de sa fabrication
La station d'amateur est réservée aux secours et au service public

Which kind of messages do the international rules expect between amateur stations of different countries?
Remarks of a personal character and messages on tests
Commercial offers of general interest, addressed to the public
News bulletins and programmes intended for the public
Messages encoded so that only the recipient can read them
Quels messages les règles internationales prévoient-elles entre stations d'amateur de pays différents ?
Des messages sur les essais techniques et des remarques personnelles
Des offres commerciales d'intérêt général, adressées au public
Des bulletins d'information et des programmes destinés au grand public
Des messages codés pour que seul le destinataire les lise

Which of these is a recognised benefit of the amateur service to society?
It trains skilled amateur operators, useful in disasters
It gives the public free phone calls through amateur repeaters
It carries routine traffic for government ministries
It offers a low-cost back-up for commercial broadcasting
Lequel de ces apports du service d'amateur à la société est reconnu ?
Il forme des opérateurs amateurs compétents, utiles lors de catastrophes
Il offre au public des appels gratuits par les relais amateurs
Il achemine le trafic courant des ministères
Il sert de secours à bas prix pour la radiodiffusion

A friend who holds no licence wants to talk on your station. Under most administrations, when is that possible?
Only where the rules allow it, with you in control of the station
Whenever the friend gives a call sign of his own at each over
At any time, as long as you keep the power below 10 W
Once the friend has passed the exam, before the licence arrives
Un ami non licencié veut parler depuis votre station. Pour la plupart des administrations, quand est-ce possible ?
Seulement si les règles le permettent, vous restant aux commandes
Si l'ami donne un indicatif de son choix à chaque passage
À tout moment, si la puissance reste inférieure à 10 W
Dès que l'ami a réussi l'examen, avant de recevoir sa licence

Who is responsible for the proper operation of an amateur station?
The licence holder, or the licensed operator in charge
The maker of the transceiver, if it is a type-approved model
The owner of the building where the antenna is installed
The national amateur society of which the holder is a member
Qui est responsable du bon fonctionnement d'une station d'amateur ?
Le titulaire de la licence, ou l'opérateur autorisé
Le fabricant de l'émetteur-récepteur, s'il s'agit d'un modèle homologué
Le propriétaire de l'immeuble où l'antenne est installée
Le bureau de l'association nationale dont le titulaire est membre

What do the terms "amateur station" and "amateur operator" each refer to?
The transmitting installation, and the authorised person using it
A club station, and any member of the club who is allowed to use it
A receiving installation, and a listener who holds no licence
The same thing, since the two terms are interchangeable
Que désignent respectivement les termes « station d'amateur » et « opérateur radioamateur » ?
L'installation d'émission, et la personne autorisée qui l'exploite
Une station de radio-club, et chacun des membres qui l'utilisent
Une installation de réception, et un écouteur qui n'a pas de licence
La même chose, les deux termes étant interchangeables
""")

S04 = parse("""
From what are the first characters of every amateur call sign taken?
From the prefix series the ITU allocates to the country
From the initials of the licence holder's first and last names
From the postcode or district of the station address
From the number of the ITU region where the station is
D'où proviennent les premiers caractères de tout indicatif d'appel d'amateur ?
De la série de préfixes attribuée par l'UIT au pays
Des initiales du prénom et du nom du titulaire de la licence
Du code postal ou du département de l'adresse de la station
Du numéro de la région de l'UIT où se trouve la station

What is the usual structure of an amateur call sign?
A prefix, a digit, then a suffix of up to four characters
Two letters chosen by the holder, then the year of the licence
A group of five figures issued at random by the administration
The region number, then a prefix and the holder's initials
Quelle est la structure habituelle d'un indicatif d'appel d'amateur ?
Un préfixe, un chiffre, puis un suffixe de quatre caractères au plus
Deux lettres choisies par le titulaire, suivies de l'année de la licence
Un groupe de cinq chiffres tiré au hasard par l'administration
Le numéro de région, puis un préfixe et les initiales du titulaire

In a call sign such as XY3ABC, what do the letters "ABC" after the digit form?
The suffix, which sets apart stations of one prefix
The prefix, which shows the country of the station
The code of the ITU region and of the district
The code for the licence class held by the operator
Dans un indicatif comme XY3ABC, que forment les lettres « ABC » placées après le chiffre ?
Le suffixe, qui distingue les stations d'un même préfixe
Le préfixe, qui indique le pays de la station
Le code de la région de l'UIT et du district de la station
Le code de la classe de licence de l'opérateur

How can a listener tell which country a station is in from its call sign alone?
By the prefix, as prefixes are allocated by country
By the last letter of the suffix, which marks the country
By the digit, which gives the ITU region of the country
By the length of the call sign, which differs for each country
Comment un écouteur peut-il savoir dans quel pays se trouve une station, d'après son seul indicatif ?
Par le préfixe de l'indicatif, attribué par pays
Par la dernière lettre du suffixe, qui code le pays
Par le chiffre, qui donne la région de l'UIT du pays
Par la longueur de l'indicatif, propre à chaque pays

What does the suffix "/P" added to a call sign usually mean?
The station is portable, away from its usual address
The station is a permanent club station at a fixed site
The operator holds a provisional licence as a beginner
The station is running low power, below 5 W
Que signifie généralement le suffixe « /P » ajouté à un indicatif ?
La station est en portable, hors de son adresse habituelle
La station est une station de club permanente, sur un site fixe
La station est tenue par un débutant à licence provisoire
La station emploie une faible puissance, moins de 5 W

What does the suffix "/M" added to a call sign usually indicate?
The station is operating mobile, from a land vehicle
The station is operating from a ship at sea
The station belongs to a military unit or base
The station is transmitting in Morse code alone
Qu'indique généralement le suffixe « /M » ajouté à un indicatif ?
La station est en mobile, à bord d'un véhicule terrestre
La station trafique depuis un navire en haute mer
La station appartient à une unité ou base militaire
La station n'émet qu'en télégraphie Morse

What does the suffix "/MM" added to a call sign indicate?
Maritime mobile: the station is aboard a ship at sea
Mountain mobile: operation from a summit
Multi-multi: several transmitters on the air at once
Military museum: a station run by a military museum
Qu'indique le suffixe « /MM » ajouté à un indicatif ?
Mobile maritime : la station est à bord d'un navire en mer
Mobile montagne : trafic depuis un sommet
Multi-multi : plusieurs émetteurs en service à la fois
Musée militaire : une station exploitée par un musée de l'armée

Why do administrations sometimes issue special event call signs with unusual prefixes or long suffixes?
To mark an occasion such as an anniversary or a gathering
To identify stations that broke the rules in the past
To hide the location of a station during an emergency
To let the station use higher power during the event
Pourquoi les administrations attribuent-elles parfois des indicatifs spéciaux à préfixe inhabituel ou à long suffixe ?
Pour marquer une occasion comme un anniversaire ou un rassemblement
Pour désigner les stations ayant déjà enfreint les règles
Pour cacher l'emplacement d'une station pendant une urgence
Pour permettre à la station d'émettre plus fort pendant l'événement

When you operate in another country under an agreement that allows it, how is your call sign normally formed?
The host country's prefix and a stroke go before your call sign
Your own call sign is used unchanged, as in your home country
You form a new call sign from the host prefix and your own initials
The name of the host country is spoken after your call sign
Lorsque vous trafiquez dans un autre pays grâce à un accord qui le permet, comment votre indicatif est-il normalement formé ?
Le préfixe du pays hôte et une barre oblique précèdent votre indicatif
Votre indicatif est utilisé sans changement, comme chez vous
Vous formez un nouvel indicatif avec le préfixe du pays et vos initiales
Vous ajoutez le nom du pays hôte après votre indicatif

May an amateur lend his or her personal call sign to another licensed amateur for use at a different station?
No, a call sign identifies only its holder's station
Yes, for up to one week, if the administration is told
Provided both amateurs hold the same class of licence
Yes, while the other amateur is waiting for a licence
Un radioamateur peut-il prêter son indicatif personnel à un autre radioamateur pour une autre station ?
Non, un indicatif identifie seulement la station de son titulaire
Oui, pour une semaine au plus, en prévenant l'administration
Pourvu que les deux radioamateurs aient la même classe de licence
Oui, tant que l'autre attend la délivrance de sa licence
""")

S05 = parse("""
Why must an amateur station identify itself?
So that others and the authorities know who transmits
To claim the frequency for as long as the contact lasts
To let the administration charge for the airtime used
To show the licence class, which sets the power allowed
Pourquoi une station d'amateur doit-elle s'identifier ?
Afin que les autres et les autorités sachent qui émet
Pour réserver la fréquence pendant toute la durée de la liaison
Pour que l'administration facture le temps d'émission
Pour indiquer la classe de licence, qui fixe la puissance permise

When should an amateur station transmit its call sign during a contact?
At the start and end, and at the required intervals
Only when the other station asks for it, to save time
Once a day, at the first contact, which covers the later ones
At the start of the contact, however long it lasts
Quand une station d'amateur doit-elle transmettre son indicatif pendant une liaison ?
Au début, à la fin et aux intervalles exigés
Seulement quand l'autre station le demande, pour gagner du temps
Une fois par jour, à la première liaison, qui couvre les suivantes
Au début de la liaison seulement, quelle que soit sa durée

What is wrong with transmitting a test carrier for several minutes without identifying?
It is unidentified, and a long test can disturb others
Tests below 1 W need no identification
Nothing, provided the carrier is on a frequency nobody uses
It is allowed, if you identify at the end of the day
Qu'y a-t-il d'anormal à émettre une porteuse d'essai pendant plusieurs minutes sans s'identifier ?
Elle n'est pas identifiée, et un long essai peut gêner les autres
Un essai sous 1 W n'a pas à être identifié
C'est permis, pourvu que la fréquence soit inoccupée
C'est permis si l'on s'identifie en fin de journée

Which languages or modes may be used to give your call sign?
Any permitted language or mode others understand
Only Morse code, whatever mode the contact uses
The English phonetic alphabet, whatever the mode
The language of the country that issued the licence
Dans quelles langues ou quels modes pouvez-vous donner votre indicatif ?
Toute langue ou tout mode autorisé que les autres comprennent
Uniquement en Morse, quel que soit le mode de la liaison
Avec l'alphabet phonétique en anglais, quel que soit le mode
Dans la langue du pays qui a délivré la licence

How should you identify when you call another station by voice?
Its call sign, then "this is" and your call sign
Your own call sign first, then its call sign
Your first name and town, then its call sign
Its call sign only, as it knows who is calling
Comment vous identifiez-vous quand vous appelez une autre station en phonie ?
Son indicatif, puis « ici » et votre indicatif
Votre indicatif d'abord, puis le sien
Votre prénom et votre position, puis son indicatif
Son indicatif seulement, elle sait qui l'appelle

In an emergency net, you are given the tactical call "Shelter 2". How do you meet the identification rules?
Use it on the net, and give your call sign as the rules require
Use it alone, since net control already knows who you are
Use it after giving your call sign once, when you join
Use the call sign of the net control station, which covers you
Dans un réseau d'urgence, on vous attribue l'indicatif tactique « Abri 2 ». Comment respectez-vous les règles d'identification ?
Vous l'employez sur le réseau, et donnez votre indicatif aux intervalles exigés
Vous l'employez seul, la station directrice sachant qui vous êtes
Vous donnez votre indicatif en arrivant, puis seulement l'indicatif tactique
Vous utilisez l'indicatif de la station directrice, qui vous couvre

Why is the phonetic alphabet recommended when you give your call sign by voice under poor conditions?
Standard words are less likely to be misheard
It makes the call sign shorter and quicker to send
Its words narrow the bandwidth of the voice signal
The rules require it for every word of the contact
Pourquoi l'alphabet phonétique est-il recommandé pour donner son indicatif en phonie quand les conditions sont mauvaises ?
Les mots normalisés risquent moins d'être mal compris
Il rend l'épellation plus courte et plus rapide à transmettre
Ses mots réduisent la largeur de bande du signal vocal
Les règles l'imposent pour l'ensemble de la liaison

When an automatic station such as a beacon or repeater is on the air, how does it usually identify?
It sends its call sign automatically at regular intervals
It need not identify, since no operator is present
It is announced by its keeper on the air once a month
It sends the name of its town instead of a call sign
Quand une station automatique comme une balise ou un relais est en service, comment s'identifie-t-elle généralement ?
Elle transmet automatiquement son indicatif à intervalles réguliers
Elle n'a pas à s'identifier, aucun opérateur n'étant présent
Elle est annoncée par son responsable sur l'air une fois par mois
Elle transmet le nom de sa ville au lieu d'un indicatif

During a long conversation between two stations, what must both operators keep doing?
Give their call signs at the required intervals
Stop identifying once they have done so at the start
Change frequency regularly so as to share the band
Exchange signal reports often so the contact stays valid
Au cours d'une longue conversation entre deux stations, que doivent continuer à faire les deux opérateurs ?
Donner leurs indicatifs aux intervalles exigés par les règles
Cesser de s'identifier après l'avoir fait au début
Changer régulièrement de fréquence pour partager la bande
Échanger souvent des reports pour que la liaison reste valable

A digital-mode contact is made with a computer program. How is the station identified?
The call sign is sent within the digital transmission itself
It need not be, since a computer is operating the station
By a separate voice announcement at the end of the session
By showing the call sign on your own screen
Une liaison en mode numérique est faite avec un logiciel. Comment la station est-elle identifiée ?
L'indicatif est transmis au sein même de l'émission numérique
Elle n'a pas à l'être, puisqu'un ordinateur est aux commandes
Par une annonce vocale séparée à la fin de la séance
En affichant l'indicatif sur votre propre écran pendant la liaison
""")

S06 = parse("""
What should you do with your licence document?
Keep it valid and at hand, and follow all its conditions
Read its number on the air at the start of each contact
Send a copy of it with every QSL card you mail out
Lodge it with your national society, which keeps it for you
Que devez-vous faire de votre document de licence ?
Le garder valide et à portée, et en suivre toutes les règles
En lire le numéro sur l'air en début de liaison
En joindre une copie aux cartes QSL envoyées
Le confier à votre association nationale, qui le conserve

What must you do if your postal address or station location changes?
Inform the administration of the change, as the licence requires
Carry on, since the call sign and licence number stay the same
Change your call sign yourself to match the new district
Stop transmitting until a new examination is passed
Que devez-vous faire si votre adresse postale ou l'emplacement de votre station change ?
Signaler le changement à l'administration, comme le veut la licence
Continuer, l'indicatif et le numéro de licence restant les mêmes
Changer vous-même d'indicatif selon le nouveau département
Cesser d'émettre jusqu'à ce que vous repassiez l'examen

Which international arrangement lets amateurs from many countries operate temporarily in other member countries without a new licence?
A multilateral arrangement such as the CEPT licence
The ITU table of call-sign prefixes, valid in every country
An IARU membership held by the national society
The harmonised examination certificate, which replaces a licence
Quel accord international permet aux radioamateurs de trafiquer temporairement dans d'autres pays membres sans nouvelle licence ?
Un accord multilatéral, comme la licence CEPT
Le tableau des préfixes de l'UIT, valable dans tous les pays
L'adhésion de l'association nationale à l'IARU
Le certificat d'examen harmonisé, qui tient lieu de licence

When you operate abroad under a reciprocal arrangement, whose rules must you follow?
Those of the host country, as far as it allows
Those of your home country, wherever you operate
The more generous rules of the two countries
Those of the ITU region in which your licence was issued
Quand vous trafiquez à l'étranger dans le cadre d'un accord de réciprocité, quelles règles devez-vous suivre ?
Celles du pays hôte, dans les limites qu'il fixe
Celles de votre pays, où que vous trafiquiez
Les plus favorables des deux pays, bande par bande
Celles de la région de l'UIT où votre licence a été délivrée

Before taking a transceiver to another country to transmit, what should you check first?
Whether and how that country recognises your licence
Whether the radio runs on the local mains voltage
Whether the brand of your radio is sold in that country
Whether the country is in the same ITU region as yours
Avant d'emporter un émetteur-récepteur dans un autre pays pour y émettre, que devez-vous vérifier d'abord ?
Si ce pays reconnaît votre licence, et à quelles conditions
Si l'appareil accepte la tension du secteur local
Si la marque de votre poste est vendue dans ce pays
Si ce pays est dans la même région de l'UIT que le vôtre

Why do many administrations have more than one class of amateur licence?
So that privileges grow with the operator's proven skill
So that older amateurs can pay lower licence fees
To limit each class to a single mode of emission
Because the ITU requires three classes in every member country
Pourquoi de nombreuses administrations ont-elles plusieurs classes de licence de radioamateur ?
Pour que les droits suivent les connaissances démontrées
Pour que les radioamateurs âgés paient une redevance moindre
Pour limiter chaque classe à un seul mode d'émission
Pour appliquer les trois classes que l'UIT impose aux pays membres

What may the administration do if it finds that an amateur station causes serious interference?
Order it off the air until the fault is fixed
Nothing, since amateurs have priority on their own bands
Only send advice, which the amateur is free to ignore
Move the amateur band to another part of the spectrum
Que peut faire l'administration si elle constate qu'une station d'amateur cause un brouillage grave ?
Exiger l'arrêt des émissions jusqu'à la correction du défaut
Laisser faire, les radioamateurs ayant priorité sur leurs bandes
Seulement donner un conseil, que le radioamateur peut ignorer
Déplacer la bande amateur vers une autre partie du spectre

Why are representatives of the administration allowed to inspect an amateur station?
To check that the station meets the licence conditions
To test the operator's Morse speed for a higher licence class
To seize any equipment that is not of a type-approved model
To check that the antenna is covered by the house insurance
Pourquoi des représentants de l'administration peuvent-ils inspecter une station d'amateur ?
Pour vérifier que la station respecte sa licence
Pour contrôler la vitesse de Morse en vue d'une classe supérieure
Pour saisir le matériel qui n'est pas d'un modèle homologué
Pour vérifier que l'antenne est couverte par l'assurance de la maison

A radio club holds a club station licence. Who may operate the club station?
Licensed operators, as the club licence allows
Any club member, licensed or not, at any time
Only the person whose name is on the club licence
Any licensed amateur, even without the club's consent
Un radio-club détient une licence de station de club. Qui peut exploiter cette station ?
Les opérateurs autorisés, comme le prévoit la licence
Les membres du club, autorisés ou non, à leur gré
Seulement la personne dont le nom figure sur la licence
N'importe quel radioamateur autorisé, même sans l'accord du club

Your licence has expired because you forgot to renew it. May you keep transmitting until the renewal arrives?
No, only while you hold a valid authorisation
Yes, for up to a year after expiry, as a period of grace
Provided you keep to low power in the meantime
Yes, if you have already paid the renewal fee
Votre licence a expiré parce que vous avez oublié de la renouveler. Pouvez-vous continuer d'émettre en attendant le renouvellement ?
Non, seulement avec une autorisation en cours de validité
Oui, jusqu'à un an après l'expiration, à titre de délai de grâce
Pourvu que vous restiez à faible puissance d'ici là
Oui, si vous avez déjà payé la redevance de renouvellement
""")

S07 = parse("""
Why are messages encoded to hide their meaning not allowed between amateur stations of different countries?
Amateur traffic must stay open for all to check
Because codes take too much bandwidth on crowded bands
Because encoding is reserved for the military and the police
They are allowed, if the key is sent to the other station by post
Pourquoi les messages codés pour en cacher le sens sont-ils interdits entre stations d'amateur de pays différents ?
Le trafic doit rester clair, vérifiable par tous
Parce que les codes occupent trop de largeur de bande
Parce que le chiffrement est réservé à l'armée et à la police
Ils sont permis si la clé est envoyée par la poste à l'autre station

Which exception to the ban on hiding the meaning of messages is widely accepted in amateur rules?
Control signals sent to amateur space stations
Contest exchanges sent as serial numbers
Messages in a language the other station does not speak
Private business arrangements agreed between friends
Quelle exception à l'interdiction de cacher le sens des messages est largement admise par les règles amateurs ?
Les télécommandes envoyées aux stations spatiales d'amateur
Les échanges de concours transmis sous forme de numéros
Les messages dans une langue que l'autre ne parle pas
Les arrangements commerciaux privés conclus entre amis

Are recognised digital modes such as RTTY or PSK, whose specifications are published, a way of hiding the meaning of a message?
No, their coding is public and open to all
Yes, because a listener needs special software to read them
Yes, unless the same message is also sent in Morse
Only when they are sent faster than a person can read
Les modes numériques reconnus, comme le RTTY ou le PSK, dont les spécifications sont publiées, servent-ils à cacher le sens d'un message ?
Non, leur codage est public et accessible à tous
Oui, car il faut un logiciel spécial pour les lire
Oui, sauf si le même message est aussi transmis en Morse
Seulement s'ils sont plus rapides qu'une lecture humaine

Why is it not permitted for an amateur station to broadcast?
Broadcasting is a separate service, with its own bands
Amateur transmitters are too weak to cover a region
Because a broadcast programme cannot carry a call sign
Because the amateur bands are too narrow for a programme
Pourquoi une station d'amateur n'a-t-elle pas le droit de faire de la radiodiffusion ?
La radiodiffusion est un service distinct, avec ses propres bandes
Les émetteurs d'amateur sont trop faibles pour couvrir une région
Parce qu'un programme diffusé ne peut pas porter d'indicatif
Parce que les bandes amateurs sont trop étroites pour un programme

May you transmit music on an amateur band to entertain other amateurs?
No, music to entertain is not amateur communication
Yes, if the music lasts less than ten minutes per hour
On any band above 30 MHz, where range is short
Yes, if you own the recording and announce its title
Pouvez-vous émettre de la musique sur une bande amateur pour divertir d'autres radioamateurs ?
Non, divertir n'est pas l'objet du service d'amateur
Oui, si elle dure moins de dix minutes par heure
Sur toute bande au-dessus de 30 MHz, où la portée est faible
Oui, si vous possédez l'enregistrement et annoncez son titre

Which of these is a proper use of an amateur station?
Exchanging reports and technical details with an amateur
Taking orders from amateur customers for your employer
Transmitting an advertisement paid by a local business
Relaying a commercial radio programme to a remote area
Lequel de ces usages d'une station d'amateur est correct ?
Échanger reports et détails techniques avec un autre radioamateur
Prendre des commandes pour votre employeur auprès d'un amateur
Émettre une publicité payée par un commerce local
Relayer un programme de radio commerciale vers une zone isolée

Why should you avoid obscene or offensive language on the amateur bands?
Anyone listening hears it, and it breaks rules and good practice
Because such words are harder to copy through noise and fading
It is allowed after midnight, when few people listen
Because the rules forbid it only on repeaters and nets
Pourquoi faut-il éviter un langage obscène ou injurieux sur les bandes amateurs ?
Chacun est libre d'écouter, et c'est contraire aux règles comme aux usages
Parce que ces mots sont plus difficiles à comprendre dans le bruit
C'est permis après minuit, quand peu de monde écoute
Parce que les règles ne l'interdisent que sur les relais et réseaux

What is meant by "false or deceptive signals", which amateurs must never send?
A false distress call, or the use of a call sign not your own
Weak signals caused by a faulty or badly adjusted antenna
Signals sent in a mode the receiving station cannot decode
Signal reports rounded up to 59 out of politeness
Qu'entend-on par « signaux faux ou trompeurs », qu'un radioamateur ne doit jamais émettre ?
Un faux appel de détresse, ou l'indicatif d'un autre
Des signaux affaiblis par une antenne défectueuse ou mal réglée
Des signaux dans un mode que le correspondant ne sait pas décoder
Un report arrondi à 59 par politesse

May an amateur station transmit deliberately to disturb another station's contact?
No, deliberate interference is never allowed
Yes, if the other station is off the band plan
Yes, on your usual frequency, to show you were there first
If the other station runs more power than allowed
Une station d'amateur peut-elle émettre volontairement pour perturber la liaison d'une autre station ?
Non, le brouillage volontaire n'est jamais permis
Oui, si l'autre station ne suit pas le plan de bandes
Oui, sur votre fréquence habituelle, pour montrer que vous y étiez avant
Si l'autre station dépasse la puissance permise

A local firm asks you to keep its delivery vans in touch by amateur radio. What should you answer?
No, business use is outside the amateur service
Yes, if the drivers are licensed too and give their call signs
If it goes through the local amateur repeater
Yes, as long as the firm does not pay you for it
Une entreprise locale vous demande d'assurer la liaison avec ses camionnettes de livraison par radio amateur. Que répondez-vous ?
Non : l'usage professionnel sort du service d'amateur
Oui, si les chauffeurs sont aussi autorisés et donnent leurs indicatifs
Si cela passe par le relais amateur local
Oui, tant que l'entreprise ne vous rémunère pas
""")

S08 = parse("""
What is third-party traffic in amateur radio?
A message passed by an amateur on behalf of a non-amateur
A contact involving three stations at once, as in a round table
A message relayed automatically through a repeater
A message passed between two amateurs by a third amateur
Qu'appelle-t-on trafic pour le compte de tiers en radioamateur ?
Un message passé par un amateur au nom d'un non-amateur
Un échange réunissant trois stations, comme une table ronde
Un message relayé automatiquement par un relais
Un message passé entre deux amateurs par un troisième amateur

Under the international rules, when may amateur stations carry international traffic on behalf of third parties?
In emergencies and disaster relief, or where the countries agree
At any time, provided the message is short and of a personal nature
Only between the club stations of the two countries
Never, not even in an emergency or after a disaster
Selon les règles internationales, quand les stations d'amateur peuvent-elles acheminer du trafic international pour le compte de tiers ?
En cas d'urgence et de catastrophe, ou si les pays l'ont accepté
À toute heure, pourvu que le message soit court et d'ordre personnel
Seulement entre les stations de club des deux pays
Jamais, même en cas d'urgence ou de catastrophe

Before passing a greeting from a visitor to a station abroad, what must you know?
Whether both countries allow third-party messages
The visitor's full name and date of birth for the log
Whether the other station is in the same ITU region
Whether the greeting can be sent in under one minute
Avant de transmettre les salutations d'un visiteur à une station étrangère, que devez-vous savoir ?
Si les deux pays acceptent les messages de tiers
Le nom complet et la date de naissance du visiteur
Si la station correspondante est dans la même région de l'UIT
Si la salutation peut passer en moins d'une minute

Who remains responsible when a third party speaks over your station, where that is permitted?
You, as the licensed control operator
The third party alone, who is speaking
The station at the other end of the contact
Nobody, since the third party holds no licence
Qui reste responsable quand un tiers parle depuis votre station, lorsque c'est permis ?
Vous, l'opérateur autorisé aux commandes
Le tiers lui-même, puisque c'est lui qui parle
La station à l'autre bout de la liaison
Personne, puisque le tiers n'a pas de licence

Which kind of third-party message would never be acceptable, even where third-party traffic is allowed?
A business message on which someone is paid
A personal greeting to a member of the family
A message about the weather at your station
A request for a QSL card for the visitor
Quel genre de message pour un tiers ne serait jamais acceptable, même là où ce trafic est permis ?
Un message d'affaires pour lequel quelqu'un est rémunéré
Un mot personnel pour un membre de la famille du visiteur
Un message sur la météo à votre station
Un message demandant une carte QSL pour le visiteur

Why do some countries not allow third-party traffic with other countries?
To protect public telecoms and keep amateur radio non-commercial
Because third-party traffic needs more power than allowed
Because the ITU forbids it everywhere except between clubs
To keep the bands free for emergency traffic
Pourquoi certains pays n'autorisent-ils pas le trafic pour des tiers avec d'autres pays ?
Pour protéger les télécoms publiques et rester non commercial
Parce que ce trafic exige plus de puissance que permis
Parce que l'UIT l'interdit partout sauf entre radio-clubs
Pour garder les bandes libres en permanence pour l'urgence

A group of students visits your station during a school event. Where the rules allow them to speak on the air, what must you do?
Stay at the controls, keep the talk suitable, and identify
Leave them alone at the station so they learn faster
Let each student give his or her name as a call sign
Skip the station identification, since the event is short
Un groupe d'élèves visite votre station lors d'une fête scolaire. Si les règles leur permettent de parler sur l'air, que devez-vous faire ?
Rester aux commandes, veiller aux messages et identifier la station
Les laisser sans surveillance pour qu'ils apprennent plus vite
Laisser les élèves donner leur prénom comme indicatif
Omettre l'identification, la manifestation étant courte

In a disaster, relief workers ask you to pass lists of needed supplies to another country. Why is this normally allowed?
Rules allow third-party traffic for disaster relief
Relief workers are exempt from the rules, licence included
It is allowed because the messages are not commercial
It is allowed only on the frequencies of the relief agencies
Lors d'une catastrophe, des secouristes vous demandent de passer des listes de besoins vers un autre pays. Pourquoi est-ce normalement permis ?
Le trafic pour des tiers est permis en cas de catastrophe
Les secouristes sont dispensés de toute règle, licence comprise
C'est permis parce que les messages ne sont pas commerciaux
C'est permis seulement sur les fréquences des secours

What is a "net" in amateur radio?
Stations meeting at set times on one frequency, led by a net control
A yearly list of licensed amateurs published by the administration
Repeaters linked together by radio or internet
A wire mesh laid under a vertical antenna as a ground plane
Qu'est-ce qu'un « réseau » (net) en radioamateur ?
Des stations réunies à heure fixe autour d'une station directrice
Une liste annuelle des radioamateurs autorisés publiée par l'administration
Un ensemble de relais reliés entre eux par radio ou par internet
Un grillage posé sous une antenne verticale comme plan de sol
""")

S09 = parse("""
Which signal, used by voice, is the international radiotelephone distress signal for a grave and imminent danger?
MAYDAY, spoken three times
PAN PAN, spoken three times
SECURITE, spoken three times
SOS, spoken as three letters
Quel signal, utilisé en phonie, est le signal international de détresse en radiotéléphonie pour un danger grave et imminent ?
MAYDAY, prononcé trois fois
PAN PAN, prononcé trois fois
SÉCURITÉ, prononcé trois fois
SOS, épelé en trois lettres

What is the international distress signal in Morse code?
SOS, sent run together without gaps
CQD, sent three times at slow speed
XXX, sent three times before the call
TTT, sent three times before the call
Quel est le signal international de détresse en code Morse ?
SOS, d'un seul tenant, sans espaces
CQD, émis trois fois à vitesse lente
XXX, émis trois fois avant l'appel
TTT, émis trois fois avant l'appel

What does the spoken signal PAN PAN announce?
An urgency message, serious but less grave than distress
A navigation or weather warning, of routine importance
A grave and imminent danger needing immediate help
The end of distress traffic on the frequency
Qu'annonce le signal vocal PAN PAN ?
Un message d'urgence, grave mais moins que la détresse
Un avis de navigation ou de météo, d'importance courante
Un danger grave et imminent exigeant un secours immédiat
Un signal de fin du trafic de détresse

You hear a distress call that nobody seems to answer. What should you do?
Note the details, answer if you can, and alert rescuers
Ignore it, as distress traffic is not an amateur matter
Call CQ on the same frequency so other amateurs can help
Wait, since the administration's monitoring service will answer it
Vous entendez un appel de détresse auquel personne ne semble répondre. Que faites-vous ?
Noter les détails, répondre si possible et alerter les secours
L'ignorer, le trafic de détresse n'étant pas l'affaire des amateurs
Lancer appel sur la fréquence pour que d'autres amateurs aident
Attendre, le service de contrôle de l'administration répondra

What information should you write down first when you copy a distress call?
Who calls, where, the nature of the emergency and the time
The signal report, to tell the station how it is heard
The transmitter power and the antenna of the station
Your own location, the mode and the band conditions
Quelles informations notez-vous en premier en recevant un appel de détresse ?
L'identité de l'appelant, sa position, la nature du danger et l'heure
Le report, pour dire à la station comment elle est reçue
La puissance et l'antenne de la station qui appelle
Le mode, l'état de la propagation et votre position

What priority does emergency traffic have on an amateur frequency?
It comes before all other traffic on the frequency
It waits until the contact in progress has ended normally
It may be sent only through a repeater or a net
It has the same priority as a contest or a net
Quelle priorité le trafic d'urgence a-t-il sur une fréquence amateur ?
Il passe avant tout autre trafic
Il attend que la liaison en cours se termine normalement
Il ne peut passer que par un relais ou un réseau
Il a la même priorité qu'un concours ou un réseau

An emergency net is active on a frequency you wanted to use. What should you do?
Keep clear unless you have emergency traffic or can help
Call CQ at the edge of the net's signal
Ask the net to move, since you had been there first
Check in with the net to test your new antenna on it
Un réseau d'urgence est actif sur une fréquence que vous vouliez utiliser. Que faites-vous ?
Libérer la fréquence, sauf trafic d'urgence ou aide possible
Lancer appel juste à côté, au bord du signal du réseau
Demander au réseau de partir, puisque vous étiez là avant
Vous signaler au réseau pour essayer votre nouvelle antenne

Why do amateur emergency groups hold regular training exercises?
So that people and equipment are ready for a real emergency
Because the ITU requires a weekly exercise from every amateur
To qualify their members for a higher licence class
To keep the emergency frequencies reserved for them
Pourquoi les groupes de radioamateurs d'urgence organisent-ils des exercices réguliers ?
Pour que les opérateurs et le matériel soient prêts le moment venu
Pour respecter l'exercice hebdomadaire imposé par l'UIT
Pour qualifier leurs membres pour une classe de licence supérieure
Pour se faire réserver les fréquences d'urgence

In an emergency where life is at immediate risk and no other means exist, which principle is generally accepted for amateurs?
Using any radio station at hand to call for help is allowed
The amateur bands must still be used, whatever the danger
A call for help still needs a licence for the band used
Outside the amateur bands, Morse code is the one mode allowed
Dans une urgence où une vie est immédiatement en danger et sans autre moyen, quel principe est généralement admis pour les radioamateurs ?
L'emploi de toute station radio disponible est accepté
Il faut quand même rester dans les bandes amateurs
Un appel au secours exige toujours une licence pour la bande
Hors des bandes amateurs, seule la télégraphie est permise

How should a message in an emergency net be passed?
Exactly as received, word for word
In your own words, to make it shorter
With only the parts you judge important
After correcting any mistakes you notice in it
Comment faut-il transmettre un message dans un réseau d'urgence ?
Exactement tel que reçu, mot pour mot
Avec vos propres mots, pour le raccourcir
Seulement les parties que vous jugez importantes
Après avoir corrigé les fautes que vous y voyez
""")

S10 = parse("""
In ITU emission designators, what kind of emission is A1A?
Morse telegraphy by on-off keying of a carrier
Double-sideband AM telephony with a full carrier
Frequency-shift telegraphy, as used for RTTY
Single-sideband telephony with suppressed carrier
Dans les désignations d'émission de l'UIT, quel genre d'émission est A1A ?
Télégraphie Morse par manipulation tout ou rien d'une porteuse
Téléphonie AM double bande latérale, porteuse complète
Télégraphie par déplacement de fréquence, comme le RTTY
Téléphonie en bande latérale unique, porteuse supprimée

In the ITU system of emission designators, what kind of emission does J3E describe, the usual HF voice mode?
Single-sideband telephony with a suppressed carrier
Double-sideband telephony with a full carrier
Frequency-modulated telephony, as on VHF repeaters
Single-sideband telephony with a full carrier
Dans le système de désignation des émissions de l'UIT, quel genre d'émission désigne J3E, mode habituel de la phonie en HF ?
Téléphonie en bande latérale unique à porteuse supprimée
Téléphonie à deux bandes latérales et porteuse complète
Téléphonie à modulation de fréquence, comme sur les relais VHF
Téléphonie en bande latérale unique à porteuse complète

In an ITU emission designator such as J3E or F3E, what does the first letter tell you?
The type of modulation of the main carrier
The kind of information sent, such as telephony
The nature of the signal that modulates the carrier
The necessary bandwidth of the emission, in hertz
Dans une désignation d'émission de l'UIT comme J3E ou F3E, qu'indique la première lettre ?
Le type de modulation de la porteuse principale
Le genre d'information transmise, comme la téléphonie
La nature du signal qui module la porteuse
La largeur de bande nécessaire de l'émission, en hertz

A station in Region 2 asks a station in Region 1 to move to 7.250 MHz for an SSB contact. What should the Region 1 station answer?
No, as 7.250 MHz is outside its 40 m band
Yes, since 40 m runs to 7.300 MHz in every region
Provided it keeps its power low above 7.200 MHz
Yes, since the other station's region sets the limit
Une station de la région 2 demande à une station de la région 1 de passer sur 7,250 MHz en BLU. Que doit-elle lui répondre ?
Non : 7,250 MHz est hors de sa bande des 40 m
Oui, le 40 m allant partout jusqu'à 7,300 MHz
Pourvu qu'elle réduise sa puissance au-dessus de 7,200 MHz
Oui, la région de l'autre station fixant la limite

Why must you keep your whole signal, not just the displayed frequency, inside the band?
Sidebands past the band edge are a transmission outside the band
Because the displayed frequency is seldom the one transmitted
So that the other station can receive both of the sidebands
Only the carrier need stay in; the rest is band-plan courtesy
Pourquoi votre signal entier, et pas seulement la fréquence affichée, doit-il rester dans la bande ?
Une bande latérale qui dépasse la limite émet hors bande
Parce que la fréquence affichée est rarement celle émise
Pour que l'autre station reçoive les deux bandes latérales
Seule la porteuse compte ; le reste relève du plan de bandes

Which of these modes occupies the narrowest bandwidth, and so suits a crowded band or weak signals best?
CW (Morse telegraphy)
Single-sideband telephony
Narrowband FM telephony
Slow-scan television
Lequel de ces modes occupe la plus faible largeur de bande, et convient donc le mieux à une bande encombrée ou aux signaux faibles ?
La télégraphie Morse (CW)
La téléphonie en BLU
La téléphonie en FM à bande étroite
La télévision à balayage lent
""") + c.ssb_edge([
    (14347, "2.8", "usb"), (7100, 3, "lsb"), (21447, "2.9", "usb"),
])

S11 = parse("""
What is meant by harmful interference?
Interference that seriously degrades or interrupts a service
Any signal audible on a nearby frequency, however weak it may be
Natural noise, such as static from distant thunderstorms
Interference caused on purpose by another station
Qu'entend-on par brouillage préjudiciable ?
Un brouillage qui dégrade gravement ou interrompt un service
Un signal audible sur une fréquence voisine, aussi faible soit-il
Un bruit naturel, comme les parasites d'orages lointains
Un brouillage causé exprès par une autre station

What are spurious emissions?
Unwanted emissions such as harmonics and parasitics
The sidebands that carry the speech of an SSB signal
The carrier of an AM signal, which carries no speech
Emissions of distant stations heard by skip outside the band
Que sont les rayonnements non essentiels ?
Des émissions indésirables, comme les harmoniques
Les bandes latérales qui portent la parole d'un signal BLU
La porteuse d'un signal AM, qui ne porte pas la parole
Des stations lointaines reçues par bond hors de la bande

Why must an amateur keep spurious emissions of his or her transmitter as low as possible?
They can disturb other services outside the amateur bands
They raise the SWR that the transmitter sees
They distort the speech that the other station hears on the band
They count against the power limit of the licence
Pourquoi un radioamateur doit-il réduire au minimum les rayonnements non essentiels de son émetteur ?
Ils peuvent brouiller d'autres services hors des bandes amateurs
Ils font monter le ROS vu par l'émetteur
Ils déforment la parole que reçoit l'autre station sur la bande
Ils comptent dans la limite de puissance de la licence

Which practice helps you make sure that your transmissions stay within the rules on frequency?
Checking frequency and mode with reliable equipment
Working right at the band edge, where fewer stations are
Trusting the frequency given by the other station
Tuning so that the carrier sits exactly on the band edge
Quelle pratique vous aide à vous assurer que vos émissions respectent les règles de fréquence ?
Vérifier fréquence et mode avec un matériel fiable
Trafiquer au ras de la limite de bande, où il y a moins de stations
Se fier à la fréquence annoncée par l'autre station
Placer la porteuse exactement sur la limite de la bande

Your neighbour complains that your transmissions appear on her radio. What is the right first response?
Check your station and work with her to find the cause
Tell her the fault lies in her own radio
Raise your power so that your signal is always clear
Refer her to the administration, which must solve it
Votre voisine se plaint que vos émissions apparaissent sur sa radio. Quelle est la bonne première réaction ?
Vérifier votre station et chercher la cause avec elle
Lui dire que le défaut vient de son poste et en rester là
Augmenter la puissance pour que votre signal soit toujours clair
L'adresser à l'administration, chargée de régler le problème

What is the safest way to test a transmitter without radiating a signal on the air?
Connect it to a suitable dummy load
Remove the antenna and leave the output open
Short the antenna socket with a screwdriver
Reduce power to minimum into the antenna
Quelle est la façon la plus sûre d'essayer un émetteur sans rayonner de signal ?
Brancher l'émetteur sur une charge fictive adaptée
Retirer l'antenne et laisser la sortie en l'air
Court-circuiter la prise d'antenne avec un tournevis
Réduire la puissance au minimum sur l'antenne

When may you modify or build your own transmitting equipment as a licensed amateur?
At will, if the station meets the licence's technical conditions
Never; only type-approved commercial radios may be used, unmodified
With written permission from the ITU for each design
Once the design has been approved by the national society
Quand pouvez-vous, en tant que radioamateur autorisé, modifier ou construire votre propre matériel d'émission ?
À volonté, si la station respecte les conditions techniques de la licence
Jamais ; seuls les appareils commerciaux homologués, non modifiés, sont permis
Avec l'autorisation écrite de l'UIT pour le montage
Une fois le montage approuvé par l'association nationale

In ITU Regions 1 and 3, very strong signals are heard just above the 40 m band, from 7.200 MHz upwards. To which service is that part of the spectrum allocated?
The broadcasting service
The amateur-satellite service
The maritime mobile service
The aeronautical mobile service
Dans les régions 1 et 3 de l'UIT, de très forts signaux s'entendent juste au-dessus du 40 m, dès 7,200 MHz. À quel service cette partie du spectre est-elle attribuée ?
Au service de radiodiffusion
Au service d'amateur par satellite
Au service mobile maritime
Au service mobile aéronautique

What should you do if the administration's monitoring service tells you that your signal contains strong harmonics?
Stop until the harmonics are cured, with a low-pass filter
Ignore the notice, provided no neighbour has complained yet
Carry on, but on another band with the same setup
Increase power so that the wanted signal dominates
Que faites-vous si le service de contrôle de l'administration vous signale que votre signal contient de fortes harmoniques ?
Cesser d'émettre jusqu'à la correction, par un filtre passe-bas
Ignorer l'avis tant que les voisins ne se plaignent pas
Continuer, mais sur une autre bande avec la même installation
Augmenter la puissance pour que le signal utile domine
""")

SECTIONS = [S01, S02, S03, S04, S05, S06, S07, S08, S09, S10, S11]
