<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>FieldReadout</name>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <source>V/U</source>
        <translation>V/U</translation>
    </message>
    <message>
        <source>Cp</source>
        <translation>Cp</translation>
    </message>
    <message>
        <source>ψ</source>
        <translation>ψ</translation>
    </message>
    <message>
        <source>inside the section</source>
        <translation>im Profil</translation>
    </message>
    <message>
        <source>unbounded</source>
        <translation>unbeschränkt</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Streamlines around Joukowsky airfoil</source>
        <translation>Stromlinien um ein Joukowsky-Profil</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Section and flow parameters</source>
        <translation>Profil- und Strömungsparameter</translation>
    </message>
    <message>
        <source>Streamline and view parameters</source>
        <translation>Stromlinien- und Ansichtsparameter</translation>
    </message>
    <message>
        <source>START</source>
        <translation>STARTEN</translation>
    </message>
    <message>
        <source>Compute the flow and start the animation</source>
        <translation>Strömung berechnen und Animation starten</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>ANHALTEN</translation>
    </message>
    <message>
        <source>Stop the animation</source>
        <translation>Animation anhalten</translation>
    </message>
    <message>
        <source>Streamline plot</source>
        <translation>Stromlinienbild</translation>
    </message>
</context>
<context>
    <name>Form_About</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Streamlines around Joukowsky airfoil</source>
        <translation>Stromlinien um ein Joukowsky-Profil</translation>
    </message>
    <message>
        <source>last update : December 2014</source>
        <translation>letzte Änderung: Dezember 2014</translation>
    </message>
    <message>
        <source>for comments and questions e-mail to</source>
        <translation>Anmerkungen und Fragen per E-Mail an</translation>
    </message>
    <message>
        <source>developed by its contributors</source>
        <translation>entwickelt von den Mitwirkenden</translation>
    </message>
</context>
<context>
    <name>Form_Field</name>
    <message>
        <source>Flow field</source>
        <translation>Strömungsfeld</translation>
    </message>
    <message>
        <source>In the main picture the free stream comes from the right inclined by 2α to the horizontal while the chord lies at −α: the map mirrors the flow around the circle, and the turn by α follows. &quot;Free stream horizontal&quot; turns the same flow by 2α, as in a wind tunnel: the stream runs from right to left and the section is pitched nose-up by α. The slider carries every point ζ of the circle plane by ζ + t·b²/ζ to the section. Marked: the circle&apos;s centre (cross), the map&apos;s singular points ±b and the circle through them (squares), the stagnation points (diamonds).</source>
        <translation>Im Hauptbild kommt die Anströmung von rechts, um 2α gegen die Waagerechte geneigt, während die Sehne bei −α liegt: Die Abbildung spiegelt die Strömung um den Kreis, und danach folgt die Drehung um α. „Anströmung waagerecht“ dreht dieselbe Strömung um 2α, wie im Windkanal: Die Strömung läuft von rechts nach links, und das Profil ist um α mit der Nase nach oben angestellt. Der Schieberegler führt jeden Punkt ζ der Kreisebene durch ζ + t·b²/ζ ins Profil über. Markiert: der Kreismittelpunkt (Kreuz), die singulären Punkte ±b der Abbildung und der Kreis durch sie (Quadrate), die Staupunkte (Rauten).</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Bild kopieren</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Bild speichern…</translation>
    </message>
    <message>
        <source>Conformal map</source>
        <translation>Konforme Abbildung</translation>
    </message>
    <message>
        <source>Conformal map: 0 the circle plane, 1 the section</source>
        <translation>Konforme Abbildung: 0 die Kreisebene, 1 das Profil</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>circle plane</source>
        <translation>Kreisebene</translation>
    </message>
    <message>
        <source>section</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Pressure colours</source>
        <translation>Druckfarben</translation>
    </message>
    <message>
        <source>As the main picture</source>
        <translation>Wie im Hauptbild</translation>
    </message>
    <message>
        <source>Free stream horizontal</source>
        <translation>Anströmung waagerecht</translation>
    </message>
    <message>
        <source>Orientation:</source>
        <translation>Ausrichtung:</translation>
    </message>
    <message>
        <source>Press START to compute the flow; its field shows here.</source>
        <translation>START berechnet die Strömung; ihr Feld erscheint hier.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>SVG picture (*.svg)</source>
        <translation>SVG-Bild (*.svg)</translation>
    </message>
    <message>
        <source>Save flow field</source>
        <translation>Strömungsfeld speichern</translation>
    </message>
    <message>
        <source>the file could not be made.</source>
        <translation>die Datei konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>%1 was not saved: %2</source>
        <translation>%1 wurde nicht gespeichert: %2</translation>
    </message>
</context>
<context>
    <name>Form_Lift</name>
    <message>
        <source>Lift and pressure</source>
        <translation>Auftrieb und Druck</translation>
    </message>
    <message>
        <source>Circulation Γ</source>
        <translation>Zirkulation Γ</translation>
    </message>
    <message>
        <source>Lift coefficient Cl</source>
        <translation>Auftriebsbeiwert Cl</translation>
    </message>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>Press START to compute the flow; its lift and pressure show here.</source>
        <translation>Drücken Sie STARTEN, um die Strömung zu berechnen; ihr Auftrieb und Druck erscheinen hier.</translation>
    </message>
    <message>
        <source>The lift could not be computed: %1</source>
        <translation>Der Auftrieb ließ sich nicht berechnen: %1</translation>
    </message>
    <message>
        <source>With Kutta condition %1 the speed at the trailing edge is unbounded; the curves leave that point out.</source>
        <translation>Mit Kutta-Faktor %1 ist die Geschwindigkeit an der Hinterkante unbeschränkt; die Kurven lassen diesen Punkt aus.</translation>
    </message>
    <message>
        <source>The speed at the sharp leading edge is unbounded; the curves leave that point out.</source>
        <translation>An der scharfen Vorderkante ist die Geschwindigkeit unbeschränkt; die Kurven lassen diesen Punkt aus.</translation>
    </message>
</context>
<context>
    <name>LiftError</name>
    <message>
        <source>The section has no chord.</source>
        <translation>Das Profil hat keine Sehne.</translation>
    </message>
    <message>
        <source>The surface pressure could not be integrated.</source>
        <translation>Der Druck auf der Oberfläche ließ sich nicht integrieren.</translation>
    </message>
    <message>
        <source>No flow has been computed yet.</source>
        <translation>Es wurde noch keine Strömung berechnet.</translation>
    </message>
    <message>
        <source>The surface quantities need the Joukowsky map (exponent 2).</source>
        <translation>Die Größen an der Oberfläche setzen die Joukowsky-Abbildung voraus (Exponent 2).</translation>
    </message>
    <message>
        <source>The stored flow holds a value that is not a finite number.</source>
        <translation>Die gespeicherte Strömung enthält einen Wert, der keine endliche Zahl ist.</translation>
    </message>
    <message>
        <source>The circle of the section must enclose the point ζ = −b (Eps ≥ 0).</source>
        <translation>Der Kreis des Profils muss den Punkt ζ = −b umschließen (Eps ≥ 0).</translation>
    </message>
    <message>
        <source>The circle of the section is degenerate.</source>
        <translation>Der Kreis des Profils ist entartet.</translation>
    </message>
    <message>
        <source>The number of surface points must lie between %1 and %2.</source>
        <translation>Die Zahl der Oberflächenpunkte muss zwischen %1 und %2 liegen.</translation>
    </message>
</context>
<context>
    <name>ParameterDescription</name>
    <message>
        <source>Relative thickness</source>
        <translation>Relative Dicke</translation>
    </message>
    <message>
        <source>Relative camber</source>
        <translation>Relative Wölbung</translation>
    </message>
    <message>
        <source>Angle of attack (degrees)</source>
        <translation>Anstellwinkel (Grad)</translation>
    </message>
    <message>
        <source>Kutta condition factor</source>
        <translation>Faktor der Kutta-Bedingung</translation>
    </message>
    <message>
        <source>Plot scale (half the plot width)</source>
        <translation>Bildmaßstab (halbe Bildbreite)</translation>
    </message>
    <message>
        <source>Stream-function step between streamlines</source>
        <translation>Schritt der Stromfunktion zwischen den Stromlinien</translation>
    </message>
    <message>
        <source>Number of streamlines</source>
        <translation>Anzahl der Stromlinien</translation>
    </message>
    <message>
        <source>Radial marching step</source>
        <translation>Radiale Schrittweite</translation>
    </message>
</context>
<context>
    <name>ParameterLabel</name>
    <message>
        <source>δ =</source>
        <translation>δ =</translation>
    </message>
    <message>
        <source>γ =</source>
        <translation>γ =</translation>
    </message>
    <message>
        <source>α =</source>
        <translation>α =</translation>
    </message>
    <message>
        <source>Kutta condition</source>
        <translation>Kutta-Faktor</translation>
    </message>
    <message>
        <source>Scale =</source>
        <translation>Skala =</translation>
    </message>
    <message>
        <source>Δψ =</source>
        <translation>Δψ =</translation>
    </message>
    <message>
        <source>nSL =</source>
        <translation>nSL =</translation>
    </message>
    <message>
        <source>dR =</source>
        <translation>dR =</translation>
    </message>
</context>
<context>
    <name>ParameterName</name>
    <message>
        <source>δ</source>
        <translation>δ</translation>
    </message>
    <message>
        <source>γ</source>
        <translation>γ</translation>
    </message>
    <message>
        <source>α</source>
        <translation>α</translation>
    </message>
    <message>
        <source>Kutta condition</source>
        <translation>Kutta-Faktor</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Skala</translation>
    </message>
    <message>
        <source>Δψ</source>
        <translation>Δψ</translation>
    </message>
    <message>
        <source>nSL</source>
        <translation>nSL</translation>
    </message>
    <message>
        <source>dR</source>
        <translation>dR</translation>
    </message>
</context>
<context>
    <name>PlotMenu</name>
    <message>
        <source>Lift and pressure…</source>
        <translation>Auftrieb und Druck…</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Bild kopieren</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Bild speichern…</translation>
    </message>
    <message>
        <source>Save animation…</source>
        <translation>Animation speichern…</translation>
    </message>
    <message>
        <source>Save points…</source>
        <translation>Punkte speichern…</translation>
    </message>
    <message>
        <source>the file could not be made.</source>
        <translation>die Datei ließ sich nicht anlegen.</translation>
    </message>
    <message>
        <source>%1 was not saved: %2</source>
        <translation>%1 wurde nicht gespeichert: %2</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>SVG picture (*.svg)</source>
        <translation>SVG-Bild (*.svg)</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>Save animation</source>
        <translation>Animation speichern</translation>
    </message>
    <message>
        <source>GIF animation (*.gif)</source>
        <translation>GIF-Animation (*.gif)</translation>
    </message>
    <message>
        <source>Save points</source>
        <translation>Punkte speichern</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>CSV-Tabelle (*.csv)</translation>
    </message>
    <message>
        <source>Flow field…</source>
        <translation>Strömungsfeld…</translation>
    </message>
    <message>
        <source>Free stream horizontal</source>
        <translation>Anströmung waagerecht</translation>
    </message>
</context>
<context>
    <name>PressurePlot</name>
    <message>
        <source>x/c along the chord: leading edge 0, trailing edge 1</source>
        <translation>x/c entlang der Sehne: Vorderkante 0, Hinterkante 1</translation>
    </message>
    <message>
        <source>−Cp</source>
        <translation>−Cp</translation>
    </message>
    <message>
        <source>Upper surface</source>
        <translation>Oberseite</translation>
    </message>
    <message>
        <source>Lower surface</source>
        <translation>Unterseite</translation>
    </message>
    <message>
        <source>Peak −Cp %1 lies above the plot</source>
        <translation>Spitze −Cp %1 liegt über dem Bild</translation>
    </message>
</context>
<context>
    <name>ReadingNote</name>
    <message>
        <source>the flat plate (δ 0, γ 0) is computed instead</source>
        <translation>stattdessen wird die ebene Platte (δ 0, γ 0) berechnet</translation>
    </message>
    <message>
        <source>the previous section is kept</source>
        <translation>das bisherige Profil bleibt</translation>
    </message>
    <message>
        <source>Read as 0: the box is empty</source>
        <translation>Gelesen als 0: Das Feld ist leer</translation>
    </message>
    <message>
        <source>Read as 0: the text does not start with a number</source>
        <translation>Gelesen als 0: Der Text beginnt nicht mit einer Zahl</translation>
    </message>
    <message>
        <source>Read as %1: use a point as the decimal separator</source>
        <translation>Gelesen als %1: Bitte einen Punkt als Dezimaltrennzeichen verwenden</translation>
    </message>
    <message>
        <source>Read as %1: the text after the number (&quot;%2&quot;) is not read</source>
        <translation>Gelesen als %1: Der Text nach der Zahl („%2“) wird nicht gelesen</translation>
    </message>
    <message>
        <source>δ %1 with γ %2 is not in the section table (δ %3 to %4 and γ %3 to %5 in steps of %6); %7</source>
        <translation>δ %1 mit γ %2 steht nicht in der Profiltabelle (δ %3 bis %4 und γ %3 bis %5 in Schritten von %6); %7</translation>
    </message>
</context>
<context>
    <name>Recompute</name>
    <message>
        <source>%1 is too large.</source>
        <translation>%1 ist zu groß.</translation>
    </message>
    <message>
        <source>%1 must be a positive number.</source>
        <translation>%1 muss eine positive Zahl sein.</translation>
    </message>
    <message>
        <source>%1 must be a number from 2 to 20.</source>
        <translation>%1 muss eine Zahl von 2 bis 20 sein.</translation>
    </message>
    <message>
        <source>The Kutta factor is too large for this angle of attack: the rear stagnation point would leave the section.</source>
        <translation>Der Kutta-Faktor ist für diesen Anstellwinkel zu groß: Der hintere Staupunkt würde das Profil verlassen.</translation>
    </message>
    <message>
        <source>Not enough memory to compute the streamlines.</source>
        <translation>Nicht genug Speicher, um die Stromlinien zu berechnen.</translation>
    </message>
    <message>
        <source>The streamlines could not be computed.</source>
        <translation>Die Stromlinien ließen sich nicht berechnen.</translation>
    </message>
</context>
<context>
    <name>SurfaceNote</name>
    <message>
        <source>The speed is unbounded at the trailing edge (Kutta condition %1) and at the sharp leading edge; the surface table has no row for either.</source>
        <translation>Die Geschwindigkeit ist an der Hinterkante (Kutta-Faktor %1) und an der scharfen Vorderkante unbeschränkt; die Oberflächentabelle hat für keine der beiden eine Zeile.</translation>
    </message>
    <message>
        <source>The speed is unbounded at the trailing edge (Kutta condition %1); the surface table has no row for it.</source>
        <translation>Die Geschwindigkeit ist an der Hinterkante (Kutta-Faktor %1) unbeschränkt; die Oberflächentabelle hat für sie keine Zeile.</translation>
    </message>
    <message>
        <source>The speed is unbounded at the sharp leading edge of this section of zero thickness; the surface table has no row for it.</source>
        <translation>Die Geschwindigkeit ist an der scharfen Vorderkante dieses Profils der Dicke null unbeschränkt; die Oberflächentabelle hat für sie keine Zeile.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>joukowsky-streamlines: unknown option %1 (see --help).</source>
        <translation>joukowsky-streamlines: unbekannte Option %1 (siehe --help).</translation>
    </message>
</context>
</TS>
