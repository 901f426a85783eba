#pragma once
// The flight school's syllabus: one row per lesson with its heading, title, briefing and the
// completion code that the lesson gives in the simulator once it has been flown. The shell's
// code field and the lesson files on the product CD are both made from this one table, so the
// codes the simulator gives are always the codes the shell accepts. The briefing is shown before
// the lesson is flown, so it only says that the code comes at the end and never holds it.
#include <array>

namespace lessons {

struct Lesson {
  const char* heading;  // "Flugstunde 01" .. "Flugstunde 19"
  const char* title;
  // Paragraphs after the title, each ended by a carriage return ("\r", no line feed) but the
  // last, which closes by announcing that the code is given at the lesson's end; 330 to 600
  // characters in all.
  const char* briefing;
  int code;  // four decimal digits, different for every lesson
};

inline constexpr int kLessonCount = 19;

inline constexpr std::array<Lesson, kLessonCount> kLessons{{
    {"Flugstunde 01", "Erster Kontakt mit dem Flugzeug",
     "Willkommen in unserer Flugschule! Bevor wir abheben, lernen Sie das Flugzeug am Boden "
     "kennen. Wir gehen gemeinsam um die Maschine herum, prüfen Ruder, Klappen, Reifen, "
     "Tankinhalt und Ölstand und setzen uns dann ins Cockpit.\rDort erkläre ich Ihnen die "
     "Fluginstrumente, die Schalterleiste und das Funkgerät. Dann starten Sie den Motor nach "
     "Checkliste. Läuft er ruhig, ist die Stunde geschafft: Am Ende nennt Ihnen der Simulator "
     "Ihren Abschlusscode.",
     3817},
    {"Flugstunde 02", "Erste Luftsprünge",
     "Heute geht es zum ersten Mal in die Luft. Sie führen den Startlauf selbst durch, ich "
     "halte mich nur bereit. Achten Sie auf die Mittellinie, ziehen Sie bei 55 Knoten sanft und "
     "lassen Sie die Maschine steigen.\rIn sicherer Höhe üben wir den Geradeausflug: Horizont "
     "halten, Fahrt kontrollieren, Trimmung nachstellen. Danach fliegen wir eine ruhige Runde "
     "und ich lande für Sie. Beobachten Sie jeden Handgriff genau. Am Ende der Stunde erhalten "
     "Sie Ihren Abschlusscode.",
     5294},
    {"Flugstunde 03", "Grundlegende Flugmanöver 1",
     "Jetzt üben wir die Grundlagen, auf denen jeder weitere Flug aufbaut: Kurven mit 15 und 30 "
     "Grad Querneigung, Steigflug und Sinkflug mit konstanter Fahrt sowie das Ausleiten auf "
     "einen vorgegebenen Kurs.\rKoordinieren Sie Querruder und Seitenruder, die Kugel im "
     "Wendezeiger bleibt in der Mitte. Halten Sie die Höhe in den Kurven auf 100 Fuß genau. "
     "Nach dem Übungsprogramm kehren wir zum Platz zurück. Ist das Programm geflogen, nennt "
     "Ihnen der Simulator Ihren Abschlusscode.",
     7402},
    {"Flugstunde 04", "Grundlegende Flugmanöver 2 (Strömungsabriß 1)",
     "Heute lernen Sie den Strömungsabriß kennen, und zwar ohne Motorleistung. Wir steigen auf "
     "sichere Höhe, nehmen das Gas heraus und halten die Nase oben, bis die Überziehwarnung "
     "ertönt und die Maschine nach vorne kippt.\rLassen Sie sofort nach: Höhenruder nach vorn, "
     "Vollgas, Flügel waagerecht und dann behutsam abfangen. Wir wiederholen das so oft, bis "
     "Sie den Abriß früh erkennen und ruhig beenden. Den Abschlusscode bekommen Sie, wenn die "
     "Übung beendet ist.",
     1968},
    {"Flugstunde 05", "Grundlegende Flugmanöver 3 (Strömungsabriß 2)",
     "Diesmal überziehen wir mit Motorleistung und im Kurvenflug, so wie es beim Steigflug nach "
     "dem Start passieren kann. Die Maschine reagiert hier heftiger und neigt dazu, über eine "
     "Fläche abzukippen.\rBleiben Sie gelassen: Anstellwinkel verringern, mit dem Seitenruder "
     "gegenhalten, Flügel gerade und Fahrt aufnehmen lassen. Zum Schluß fliegen wir Langsamflug "
     "mit ausgefahrenen Klappen. Am Ende der Lektion erfahren Sie Ihren Abschlusscode.",
     6351},
    {"Flugstunde 06", "Platzrunden",
     "Die Platzrunde ist das tägliche Brot des Piloten. Sie starten, steigen im Querabflug auf "
     "Platzrundenhöhe und fliegen Gegenanflug, Queranflug und Endanflug mit den richtigen "
     "Fahrten und Klappenstellungen.\rIm Gegenanflug arbeiten Sie die Landecheckliste ab. Im "
     "Endanflug halten Sie Gleitweg und Mittellinie, setzen mit den Hauptfahrwerken zuerst auf "
     "und starten durch für die nächste Runde. Nach der letzten Runde erhalten Sie Ihren "
     "Abschlusscode.",
     2846},
    {"Flugstunde 07", "Einweisung in Notverfahren",
     "Ein guter Pilot ist auf das Unerwartete vorbereitet. In dieser Stunde besprechen und üben "
     "wir die Notverfahren: Motorausfall im Reiseflug, die Wahl eines Notlandefeldes und das "
     "Fliegen mit der besten Gleitgeschwindigkeit.\rIch nehme Ihnen unangekündigt das Gas weg. "
     "Sie fliegen die Gleitfahrt, suchen ein Feld, arbeiten die Checkliste ab und setzen einen "
     "Notruf ab. In 500 Fuß über Grund starten wir durch. Ihren Abschlusscode nenne ich Ihnen "
     "am Ende der Stunde.",
     9127},
    {"Flugstunde 08", "Notverfahren",
     "Heute wird es ernst: Wir wiederholen die Notverfahren, aber ohne Vorbesprechung. "
     "Motorausfall kurz nach dem Start, Feuer im Motorraum, Ausfall der elektrischen Anlage. "
     "Sie entscheiden selbst und handeln nach Checkliste.\rDenken Sie an die Reihenfolge: "
     "Fliegen, Navigieren, Kommunizieren. Wer zuerst das Flugzeug beherrscht, hat Zeit für "
     "alles Weitere. Wir beenden die Stunde mit einer Ziellandung ohne Motor. Erst nach der "
     "Landung erfahren Sie Ihren Abschlusscode.",
     4583},
    {"Flugstunde 09", "ERSTER SOLO FLUG",
     "Der große Tag ist gekommen: Ihr erster Alleinflug! Ich steige nach zwei gemeinsamen "
     "Platzrunden aus und schaue Ihnen vom Vorfeld aus zu. Die Maschine ist ohne mich leichter, "
     "sie wird früher abheben und flacher sinken.\rFliegen Sie eine einzige Platzrunde, ruhig "
     "und genau wie geübt. Lassen Sie sich Zeit im Endanflug und starten Sie durch, wenn Ihnen "
     "etwas nicht gefällt. Nach der Landung rollen Sie zu mir. Am Ende der Lektion wartet Ihr "
     "Abschlusscode auf Sie.",
     8219},
    {"Flugstunde 10", "Solo Platzrunden",
     "Nach dem ersten Alleinflug festigen Sie Ihr Können: Sie fliegen allein mehrere "
     "Platzrunden hintereinander, jede mit Aufsetzen und Durchstarten. Ich höre am Funk mit, "
     "greife aber nur ein, wenn es nötig ist.\rAchten Sie auf gleichmäßige Abstände zur Piste, "
     "auf die Fahrt im Endanflug und auf saubere Funksprüche. Die letzte Runde beenden Sie mit "
     "einer vollen Landung und rollen zum Abstellplatz. Nach der letzten Landung nennt Ihnen "
     "der Simulator Ihren Abschlusscode.",
     3675},
    {"Flugstunde 11", "Einführung Überlandflug",
     "Jetzt verlassen wir die Platzrunde und fliegen zu einem anderen Flugplatz. Vorher planen "
     "wir die Strecke auf der Karte: Kurs, Entfernung, Wind, Flugzeit und Treibstoff. Dann "
     "tragen Sie alles ins Flugdurchführungsblatt ein.\rUnterwegs navigieren Sie nach Sicht und "
     "mit dem VOR, prüfen an jedem Wendepunkt die Zeit und korrigieren den Kurs. Am Zielplatz "
     "fliegen Sie die Platzrunde, landen und wir kehren zurück. Am Ziel der Strecke erhalten "
     "Sie Ihren Abschlusscode.",
     5930},
    {"Flugstunde 12", "Flugmanöver & Platzrunden",
     "In dieser Stunde fassen wir alles zusammen, was Sie bisher gelernt haben. Steilkurven mit "
     "45 Grad, Langsamflug, Überziehen in Landekonfiguration und danach eine Folge von "
     "Platzrunden mit verschiedenen Landearten.\rDazu gehören die Landung mit und ohne Klappen, "
     "die Kurzlandung und die Landung aus dem Gleitflug. Fliegen Sie jede Übung so genau wie "
     "möglich, ich bewerte Höhe, Fahrt und Aufsetzpunkt. Den Abschlusscode gibt es am Ende der "
     "Stunde.",
     7148},
    {"Flugstunde 13", "Einführung VALLEY RACE (mit Fluglehrer)",
     "Willkommen zum VALLEY RACE! Wir fliegen gemeinsam eine Strecke durch das Tal, vorbei an "
     "Felswänden und über die Hochebene. Die Wendemarken sind Felsnadeln, Brücken und "
     "Ortschaften, die Sie der Karte entnehmen.\rIch zeige Ihnen die Linie, die Höhen und die "
     "Stellen, an denen Fallwinde lauern. Fliegen Sie vorausschauend und nie tiefer als nötig, "
     "Sicherheit geht vor Geschwindigkeit. Zum Schluß landen wir am Talflugplatz. Am Ende des "
     "Rennens nenne ich Ihnen Ihren Abschlusscode.",
     2593},
    {"Flugstunde 14", "VALLEY RACE (SOLO)",
     "Nun fliegen Sie das VALLEY RACE allein. Die Strecke kennen Sie aus der letzten Stunde, "
     "die Wendemarken sind dieselben. Diesmal läuft die Uhr: Starten Sie zügig und nehmen Sie "
     "jede Wendemarke auf der Innenseite.\rBehalten Sie trotzdem Fahrt, Höhe und Motorwerte im "
     "Auge. Wer eine Wendemarke ausläßt oder zu tief fliegt, muß die Runde wiederholen. Landen "
     "Sie am Ende sicher auf dem Talflugplatz. Wer alle Tore in der richtigen Reihenfolge "
     "durchflogen hat, erhält am Ende seinen Abschlusscode.",
     6804},
    {"Flugstunde 15", "Einführung 'Landung bei Seitenwind' ",
     "Selten weht der Wind genau auf die Piste. Heute zeige ich Ihnen, wie Sie bei Seitenwind "
     "sicher landen. Im Endanflug halten wir mit einem Vorhaltewinkel die Mittellinie und gehen "
     "vor dem Aufsetzen in den hängenden Flügel über.\rDer Flügel auf der Windseite hängt "
     "etwas, das Seitenruder hält die Längsachse auf der Piste. Nach dem Aufsetzen bleibt das "
     "Querruder in den Wind gedreht. Wir üben das bei zunehmendem Wind. Nach der letzten "
     "Landung erhalten Sie Ihren Abschlusscode.",
     1437},
    {"Flugstunde 16", "Fortsetzung zu Landung bei Seitenwind (SOLO)",
     "Jetzt landen Sie allein bei Seitenwind. Der Wind kommt mit 12 Knoten von rechts und "
     "frischt im Laufe der Stunde auf. Fliegen Sie mehrere Platzrunden und wechseln Sie "
     "zwischen Vorhaltewinkel und hängendem Flügel.\rWenn der Anflug nicht stabil ist, starten "
     "Sie durch, das ist keine Schande, sondern gute Fliegerei. Zählen Sie am Ende Ihre "
     "gelungenen Landungen, drei saubere Landungen sind das Ziel. Sind die Landungen geschafft, "
     "nennt Ihnen der Simulator am Ende Ihren Abschlusscode.",
     9362},
    {"Flugstunde 17", "Überlandflug 'Vergnügen über Sedona' (Solo)",
     "Ein Überlandflug zum Vergnügen, ganz allein: Es geht nach Sedona mit seinen roten Felsen. "
     "Planen Sie die Strecke selbst, holen Sie das Wetter ein und rechnen Sie Treibstoff und "
     "Reserve für den Hin- und Rückflug.\rGenießen Sie die Landschaft, aber vergessen Sie nicht "
     "Ihre Navigation und die Funkverbindung. Der Platz von Sedona liegt auf einem Tafelberg, "
     "rechnen Sie mit Turbulenzen an der Kante. Am Ende des Fluges erhalten Sie Ihren "
     "Abschlusscode.",
     4025},
    {"Flugstunde 18", "Prüfungsvorbereitung PCPC",
     "Die Prüfung rückt näher. In dieser Stunde fliegen wir das Prüfungsprogramm einmal "
     "vollständig durch: Flugvorbereitung, Start, Kurvenflug, Langsamflug, Überziehen, "
     "Notverfahren, Navigation und Landungen.\rIch verhalte mich wie ein Prüfer und sage Ihnen "
     "erst nach der Landung, was gut war und woran Sie noch arbeiten müssen. Nehmen Sie meine "
     "Hinweise mit in die Prüfung, Sie sind gut vorbereitet. Auch diese Stunde schließt mit "
     "einem Abschlusscode, den Sie am Ende erhalten.",
     8751},
    {"Flugstunde 19", "Prüfungsflug PCPC",
     "Heute ist Ihr Prüfungsflug für die PCPC. Der Prüfer sitzt neben Ihnen und gibt die "
     "Aufgaben vor. Arbeiten Sie jede Checkliste laut ab, fliegen Sie ruhig und genau und "
     "zeigen Sie, daß Sie die Maschine jederzeit beherrschen.\rNach der letzten Landung und dem "
     "Abstellen des Motors erhalten Sie das Ergebnis. Haben Sie bestanden, tragen Sie den Code "
     "in der Flugschule ein und erhalten Ihr Schlüsselwort für die Urkunde. Der Prüfer nennt "
     "Ihnen den Abschlusscode erst am Ende des Fluges.",
     6119},
}};

}  // namespace lessons
