<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
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
        <translation>profilin içinde</translation>
    </message>
    <message>
        <source>unbounded</source>
        <translation>sınırsız</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Streamlines around Joukowsky airfoil</source>
        <translation>Joukowsky kanat profili etrafında akım çizgileri</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Section and flow parameters</source>
        <translation>Kesit ve akış parametreleri</translation>
    </message>
    <message>
        <source>Streamline and view parameters</source>
        <translation>Akım çizgisi ve görünüm parametreleri</translation>
    </message>
    <message>
        <source>START</source>
        <translation>BAŞLA</translation>
    </message>
    <message>
        <source>Compute the flow and start the animation</source>
        <translation>Akışı hesapla ve animasyonu başlat</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>DUR</translation>
    </message>
    <message>
        <source>Stop the animation</source>
        <translation>Animasyonu durdur</translation>
    </message>
    <message>
        <source>Streamline plot</source>
        <translation>Akım çizgisi çizimi</translation>
    </message>
</context>
<context>
    <name>Form_About</name>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Streamlines around Joukowsky airfoil</source>
        <translation>Joukowsky kanat profili etrafında akım çizgileri</translation>
    </message>
    <message>
        <source>last update : December 2014</source>
        <translation>son güncelleme: Aralık 2014</translation>
    </message>
    <message>
        <source>for comments and questions e-mail to</source>
        <translation>görüş ve sorularınız için e-posta adresi</translation>
    </message>
    <message>
        <source>developed by its contributors</source>
        <translation>katkıcıları tarafından geliştirildi</translation>
    </message>
</context>
<context>
    <name>Form_Field</name>
    <message>
        <source>Flow field</source>
        <translation>Akış alanı</translation>
    </message>
    <message>
        <source>In the main picture the free stream comes from the right inclined by 2α to the horizontal while the chord lies at −α: the map mirrors the flow around the circle, and the turn by α follows. &quot;Free stream horizontal&quot; turns the same flow by 2α, as in a wind tunnel: the stream runs from right to left and the section is pitched nose-up by α. The slider carries every point ζ of the circle plane by ζ + t·b²/ζ to the section. Marked: the circle&apos;s centre (cross), the map&apos;s singular points ±b and the circle through them (squares), the stagnation points (diamonds).</source>
        <translation>Ana resimde serbest akış sağdan, yataya 2α eğimle gelir, veter ise −α açısındadır: dönüşüm çember etrafındaki akışı yansıtır, ardından α kadar döndürme gelir. &quot;Serbest akış yatay&quot; aynı akışı 2α döndürür, rüzgâr tünelindeki gibi: akış sağdan sola akar ve kesit burnu yukarı α açısıyla durur. Kaydırıcı çember düzleminin her ζ noktasını ζ + t·b²/ζ ile kesite taşır. İşaretler: çemberin merkezi (çarpı), dönüşümün tekil noktaları ±b ve onlardan geçen çember (kareler), durma noktaları (baklavalar).</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Resmi kopyala</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Resmi kaydet…</translation>
    </message>
    <message>
        <source>Conformal map</source>
        <translation>Konformal dönüşüm</translation>
    </message>
    <message>
        <source>Conformal map: 0 the circle plane, 1 the section</source>
        <translation>Konformal dönüşüm: 0 çember düzlemi, 1 kesit</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Oynat</translation>
    </message>
    <message>
        <source>circle plane</source>
        <translation>çember düzlemi</translation>
    </message>
    <message>
        <source>section</source>
        <translation>kesit</translation>
    </message>
    <message>
        <source>Pressure colours</source>
        <translation>Basınç renkleri</translation>
    </message>
    <message>
        <source>As the main picture</source>
        <translation>Ana resimdeki gibi</translation>
    </message>
    <message>
        <source>Free stream horizontal</source>
        <translation>Serbest akış yatay</translation>
    </message>
    <message>
        <source>Orientation:</source>
        <translation>Yönelim:</translation>
    </message>
    <message>
        <source>Press START to compute the flow; its field shows here.</source>
        <translation>Akışı hesaplamak için START’a basın; alanı burada görünür.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Duraklat</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG resmi (*.png)</translation>
    </message>
    <message>
        <source>SVG picture (*.svg)</source>
        <translation>SVG resmi (*.svg)</translation>
    </message>
    <message>
        <source>Save flow field</source>
        <translation>Akış alanını kaydet</translation>
    </message>
    <message>
        <source>the file could not be made.</source>
        <translation>dosya oluşturulamadı.</translation>
    </message>
    <message>
        <source>%1 was not saved: %2</source>
        <translation>%1 kaydedilmedi: %2</translation>
    </message>
</context>
<context>
    <name>Form_Lift</name>
    <message>
        <source>Lift and pressure</source>
        <translation>Kaldırma ve basınç</translation>
    </message>
    <message>
        <source>Circulation Γ</source>
        <translation>Sirkülasyon Γ</translation>
    </message>
    <message>
        <source>Lift coefficient Cl</source>
        <translation>Kaldırma katsayısı Cl</translation>
    </message>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>Press START to compute the flow; its lift and pressure show here.</source>
        <translation>Akışı hesaplamak için BAŞLA düğmesine basın; kaldırma ve basınç burada görünür.</translation>
    </message>
    <message>
        <source>The lift could not be computed: %1</source>
        <translation>Kaldırma hesaplanamadı: %1</translation>
    </message>
    <message>
        <source>With Kutta condition %1 the speed at the trailing edge is unbounded; the curves leave that point out.</source>
        <translation>Kutta koşulu %1 iken firar kenarındaki hız sınırsızdır; eğriler bu noktayı dışarıda bırakır.</translation>
    </message>
    <message>
        <source>The speed at the sharp leading edge is unbounded; the curves leave that point out.</source>
        <translation>Keskin hücum kenarındaki hız sınırsızdır; eğriler bu noktayı dışarıda bırakır.</translation>
    </message>
</context>
<context>
    <name>LiftError</name>
    <message>
        <source>The section has no chord.</source>
        <translation>Kesitin veteri yok.</translation>
    </message>
    <message>
        <source>The surface pressure could not be integrated.</source>
        <translation>Yüzey basıncının integrali alınamadı.</translation>
    </message>
    <message>
        <source>No flow has been computed yet.</source>
        <translation>Henüz bir akış hesaplanmadı.</translation>
    </message>
    <message>
        <source>The surface quantities need the Joukowsky map (exponent 2).</source>
        <translation>Yüzey büyüklükleri Joukowsky dönüşümünü gerektirir (üs 2).</translation>
    </message>
    <message>
        <source>The stored flow holds a value that is not a finite number.</source>
        <translation>Saklanan akış sonlu bir sayı olmayan bir değer içeriyor.</translation>
    </message>
    <message>
        <source>The circle of the section must enclose the point ζ = −b (Eps ≥ 0).</source>
        <translation>Kesitin çemberi ζ = −b noktasını içine almalıdır (Eps ≥ 0).</translation>
    </message>
    <message>
        <source>The circle of the section is degenerate.</source>
        <translation>Kesitin çemberi dejenere.</translation>
    </message>
    <message>
        <source>The number of surface points must lie between %1 and %2.</source>
        <translation>Yüzey noktalarının sayısı %1 ile %2 arasında olmalıdır.</translation>
    </message>
</context>
<context>
    <name>ParameterDescription</name>
    <message>
        <source>Relative thickness</source>
        <translation>Bağıl kalınlık</translation>
    </message>
    <message>
        <source>Relative camber</source>
        <translation>Bağıl kamburluk</translation>
    </message>
    <message>
        <source>Angle of attack (degrees)</source>
        <translation>Hücum açısı (derece)</translation>
    </message>
    <message>
        <source>Kutta condition factor</source>
        <translation>Kutta koşulu çarpanı</translation>
    </message>
    <message>
        <source>Plot scale (half the plot width)</source>
        <translation>Çizim ölçeği (çizim genişliğinin yarısı)</translation>
    </message>
    <message>
        <source>Stream-function step between streamlines</source>
        <translation>Akım çizgileri arasındaki akım fonksiyonu adımı</translation>
    </message>
    <message>
        <source>Number of streamlines</source>
        <translation>Akım çizgisi sayısı</translation>
    </message>
    <message>
        <source>Radial marching step</source>
        <translation>Radyal ilerleme adımı</translation>
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
        <translation>Kutta koşulu</translation>
    </message>
    <message>
        <source>Scale =</source>
        <translation>Ölçek =</translation>
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
        <translation>Kutta koşulu</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Ölçek</translation>
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
        <translation>Kaldırma ve basınç…</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Resmi kopyala</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Resmi kaydet…</translation>
    </message>
    <message>
        <source>Save animation…</source>
        <translation>Animasyonu kaydet…</translation>
    </message>
    <message>
        <source>Save points…</source>
        <translation>Noktaları kaydet…</translation>
    </message>
    <message>
        <source>the file could not be made.</source>
        <translation>dosya oluşturulamadı.</translation>
    </message>
    <message>
        <source>%1 was not saved: %2</source>
        <translation>%1 kaydedilmedi: %2</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG resmi (*.png)</translation>
    </message>
    <message>
        <source>SVG picture (*.svg)</source>
        <translation>SVG resmi (*.svg)</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Resmi kaydet</translation>
    </message>
    <message>
        <source>Save animation</source>
        <translation>Animasyonu kaydet</translation>
    </message>
    <message>
        <source>GIF animation (*.gif)</source>
        <translation>GIF animasyonu (*.gif)</translation>
    </message>
    <message>
        <source>Save points</source>
        <translation>Noktaları kaydet</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>CSV tablosu (*.csv)</translation>
    </message>
    <message>
        <source>Flow field…</source>
        <translation>Akış alanı…</translation>
    </message>
    <message>
        <source>Free stream horizontal</source>
        <translation>Serbest akış yatay</translation>
    </message>
</context>
<context>
    <name>PressurePlot</name>
    <message>
        <source>x/c along the chord: leading edge 0, trailing edge 1</source>
        <translation>veter boyunca x/c: hücum kenarı 0, firar kenarı 1</translation>
    </message>
    <message>
        <source>−Cp</source>
        <translation>−Cp</translation>
    </message>
    <message>
        <source>Upper surface</source>
        <translation>Üst yüzey</translation>
    </message>
    <message>
        <source>Lower surface</source>
        <translation>Alt yüzey</translation>
    </message>
    <message>
        <source>Peak −Cp %1 lies above the plot</source>
        <translation>Tepe −Cp %1 çizimin üstünde kalıyor</translation>
    </message>
</context>
<context>
    <name>ReadingNote</name>
    <message>
        <source>the flat plate (δ 0, γ 0) is computed instead</source>
        <translation>bunun yerine düz levha (δ 0, γ 0) hesaplanıyor</translation>
    </message>
    <message>
        <source>the previous section is kept</source>
        <translation>önceki kesit korunuyor</translation>
    </message>
    <message>
        <source>Read as 0: the box is empty</source>
        <translation>0 olarak okundu: kutu boş</translation>
    </message>
    <message>
        <source>Read as 0: the text does not start with a number</source>
        <translation>0 olarak okundu: metin bir sayıyla başlamıyor</translation>
    </message>
    <message>
        <source>Read as %1: use a point as the decimal separator</source>
        <translation>%1 olarak okundu: ondalık ayırıcı olarak nokta kullanın</translation>
    </message>
    <message>
        <source>Read as %1: the text after the number (&quot;%2&quot;) is not read</source>
        <translation>%1 olarak okundu: sayıdan sonraki metin (&quot;%2&quot;) okunmadı</translation>
    </message>
    <message>
        <source>δ %1 with γ %2 is not in the section table (δ %3 to %4 and γ %3 to %5 in steps of %6); %7</source>
        <translation>δ %1 ile γ %2 kesit tablosunda yok (δ %3 ile %4, γ %3 ile %5 arası, %6 adımlarla); %7</translation>
    </message>
</context>
<context>
    <name>Recompute</name>
    <message>
        <source>%1 is too large.</source>
        <translation>%1 çok büyük.</translation>
    </message>
    <message>
        <source>%1 must be a positive number.</source>
        <translation>%1 pozitif bir sayı olmalıdır.</translation>
    </message>
    <message>
        <source>%1 must be a number from 2 to 20.</source>
        <translation>%1, 2 ile 20 arasında bir sayı olmalıdır.</translation>
    </message>
    <message>
        <source>The Kutta factor is too large for this angle of attack: the rear stagnation point would leave the section.</source>
        <translation>Kutta çarpanı bu hücum açısı için çok büyük: arka durma noktası kesitin dışına çıkardı.</translation>
    </message>
    <message>
        <source>Not enough memory to compute the streamlines.</source>
        <translation>Akım çizgilerini hesaplamak için yeterli bellek yok.</translation>
    </message>
    <message>
        <source>The streamlines could not be computed.</source>
        <translation>Akım çizgileri hesaplanamadı.</translation>
    </message>
</context>
<context>
    <name>SurfaceNote</name>
    <message>
        <source>The speed is unbounded at the trailing edge (Kutta condition %1) and at the sharp leading edge; the surface table has no row for either.</source>
        <translation>Firar kenarında (Kutta koşulu %1) ve keskin hücum kenarında hız sınırsızdır; yüzey tablosunda ikisi için de satır yok.</translation>
    </message>
    <message>
        <source>The speed is unbounded at the trailing edge (Kutta condition %1); the surface table has no row for it.</source>
        <translation>Firar kenarında (Kutta koşulu %1) hız sınırsızdır; yüzey tablosunda onun için satır yok.</translation>
    </message>
    <message>
        <source>The speed is unbounded at the sharp leading edge of this section of zero thickness; the surface table has no row for it.</source>
        <translation>Kalınlığı sıfır olan bu kesitin keskin hücum kenarında hız sınırsızdır; yüzey tablosunda onun için satır yok.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>joukowsky-streamlines: unknown option %1 (see --help).</source>
        <translation>joukowsky-streamlines: bilinmeyen seçenek %1 (bkz. --help).</translation>
    </message>
</context>
</TS>
