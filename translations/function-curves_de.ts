<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ConceptPage</name>
    <message>
        <location filename="../src/concepts/CardiacFunctionCurves.cpp" line="28"/>
        <source>  CARDIAC FUNCTION CURVES   </source>
        <translation>  HERZFUNKTIONSKURVEN   </translation>
    </message>
    <message>
        <location filename="../src/concepts/CardiacFunctionCurves.cpp" line="30"/>
        <source> What is a Cardiac Function Curve?</source>
        <translation> Was ist eine Herzfunktionskurve?</translation>
    </message>
    <message>
        <location filename="../src/concepts/CardiacFunctionCurves.cpp" line="34"/>
        <source> What is the effect of contractility?</source>
        <translation> Wie wirkt die Kontraktilität?</translation>
    </message>
    <message>
        <location filename="../src/concepts/CardiacFunctionCurves.cpp" line="38"/>
        <source> Why does CO not increase at large CVP?</source>
        <translation> Warum steigt das HZV bei hohem ZVD nicht?</translation>
    </message>
    <message>
        <location filename="../src/concepts/ConceptPage.cpp" line="76"/>
        <source>Click on topic to see related text</source>
        <translation>Thema anklicken, um den Text zu sehen</translation>
    </message>
    <message>
        <location filename="../src/concepts/ConceptPage.cpp" line="97"/>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <location filename="../src/concepts/ConceptTexts.cpp" line="9"/>
        <source>A Cardiac Function Curve (CFC) is a graphical representation showing how cardiac output (CO) varies as the input pressure to the heart changes. The input pressure may be taken as the right atrial pressure or as the central venous pressure (CVP); this module uses CVP. The principle behind the curve is the Frank-Starling mechanism: as CVP rises, the ventricles fill more completely during diastole, end diastolic volume increases and so does stroke volume. With heart rate held constant, CO therefore moves in the same direction as CVP over a certain range of filling pressures.</source>
        <translation>Eine Herzfunktionskurve (HFK) ist eine grafische Darstellung, die zeigt, wie sich das Herzzeitvolumen (HZV) mit dem Eingangsdruck des Herzens ändert. Als Eingangsdruck kann der rechtsatriale Druck oder der zentrale Venendruck (ZVD) dienen; dieses Modul verwendet den ZVD. Der Kurve liegt der Frank-Starling-Mechanismus zugrunde: Steigt der ZVD, füllen sich die Ventrikel in der Diastole stärker, das enddiastolische Volumen nimmt zu und mit ihm das Schlagvolumen. Bei konstanter Herzfrequenz ändert sich das HZV daher in einem bestimmten Bereich der Füllungsdrücke gleichsinnig mit dem ZVD.</translation>
    </message>
    <message>
        <location filename="../src/concepts/ConceptTexts.cpp" line="21"/>
        <source> The effects of changes in cardiac contractility can be understood by seeing what happens to CO at a fixed value of CVP. In the figure the fixed CVP is marked by the vertical dotted line. The point where that line crosses each curve shows the CO reached at that pressure. Increased contractility, for example from increased sympathetic drive to the heart, makes CO greater, and decreased contractility makes it smaller. The same is true at any CVP, not only at the one drawn: CO changes in the same direction as contractility. </source>
        <translation> Die Wirkung von Änderungen der kardialen Kontraktilität lässt sich verstehen, wenn man betrachtet, was bei einem festen ZVD mit dem HZV geschieht. In der Abbildung ist dieser feste ZVD durch die senkrechte gepunktete Linie markiert. Der Schnittpunkt dieser Linie mit jeder Kurve zeigt das HZV, das bei diesem Druck erreicht wird. Eine gesteigerte Kontraktilität, etwa durch einen verstärkten Sympathikusantrieb des Herzens, vergrößert das HZV, eine verminderte Kontraktilität verkleinert es. Dies gilt bei jedem ZVD, nicht nur beim eingezeichneten: Das HZV ändert sich gleichsinnig mit der Kontraktilität. </translation>
    </message>
    <message>
        <location filename="../src/concepts/ConceptTexts.cpp" line="32"/>
        <source>The increase in CO as CVP increases depends of the Frank-Starling mechanism. The mechanism rests on an increasingly favorable overlap of actin and myosin filaments as the muscle fibers are stretched by a larger end diastolic volume. Once the optimal overlap of the filaments is reached, further stretch adds no more active force, so stroke volume and cardiac output rise no further.</source>
        <translation>Der Anstieg des HZV mit steigendem ZVD beruht auf dem Frank-Starling-Mechanismus. Dieser Mechanismus geht auf eine zunehmend günstigere Überlappung der Aktin- und Myosinfilamente zurück, wenn die Muskelfasern durch ein größeres enddiastolisches Volumen gedehnt werden. Ist die optimale Überlappung der Filamente erreicht, bringt eine weitere Dehnung keine zusätzliche aktive Kraft mehr, sodass Schlagvolumen und Herzzeitvolumen nicht weiter ansteigen.</translation>
    </message>
    <message>
        <location filename="../src/concepts/ConceptTexts.cpp" line="42"/>
        <source>A Vascular Function Curve (VFC) is a graphical representation showing the relationship between cardiac output (CO) and central venous pressure (CVP). Some texts call it the venous return curve. Because over time average CO equals average venous return, a single vertical axis serves for both, and the VFC can be drawn on the same graph as the cardiac function curve (CFC). A VFC describes the vessels: it reflects the properties of the vasculature, whereas the CFC reflects the heart as a pump, so a change in contractility moves the operating point along the same VFC. Reading the curve from right to left, as CO rises up to point 3, CVP falls (region 2). This happens because a larger flow causes a larger pressure loss across the systemic arterioles, leaving less pressure on the venous side. Put another way, the heart lowers CVP by moving blood out of the veins and into the arteries. Each region of the curve tells something different about the circulation. Choose the regions in the list on the left to learn what each of them means. </source>
        <translation>Eine Gefäßfunktionskurve (GFK) ist eine grafische Darstellung der Beziehung zwischen Herzzeitvolumen (HZV) und zentralem Venendruck (ZVD). Manche Lehrbücher nennen sie auch Kurve des venösen Rückstroms. Da das HZV im zeitlichen Mittel dem venösen Rückstrom entspricht, genügt für beide eine gemeinsame senkrechte Achse, und die GFK lässt sich in dasselbe Diagramm einzeichnen wie die Herzfunktionskurve (HFK). Eine GFK beschreibt die Gefäße: Sie spiegelt die Eigenschaften des Gefäßsystems wider, während die HFK das Herz als Pumpe abbildet; eine Änderung der Kontraktilität verschiebt den Arbeitspunkt daher entlang derselben GFK. Liest man die Kurve von rechts nach links, fällt der ZVD, während das HZV bis zum Punkt 3 ansteigt (Bereich 2). Das liegt daran, dass ein größerer Fluss einen größeren Druckabfall über den systemischen Arteriolen verursacht, sodass auf der venösen Seite weniger Druck übrig bleibt. Anders gesagt: Das Herz senkt den ZVD, indem es Blut aus den Venen in die Arterien verlagert. Jeder Bereich der Kurve sagt etwas anderes über den Kreislauf aus. Wählen Sie die Bereiche in der Liste links, um zu erfahren, was sie jeweils bedeuten. </translation>
    </message>
    <message>
        <location filename="../src/concepts/ConceptTexts.cpp" line="59"/>
        <source> Point 1 corresponds to a condition in which CO is zero. It is a theoretical no-flow point: if the heart stopped and pressures throughout the circulation were allowed to equalize, CVP would settle at this value. That pressure is the mean circulatory pressure, not to be confused with the mean arterial pressure. It is set only by the blood volume and the compliance of the vessels that hold it. In the upper figure point 1 is where the curve meets the CVP axis, at about 7 mmHg. Since there is no flow, arteriolar resistance plays no part in it. Taking curve B in the lower figure as the control, a transfusion raises the mean circulatory pressure and moves the curve to the right (VFC-A). A fall in compliance, as with more sympathetic drive to the veins, has the same effect. Conversely, a blood loss or a reduced sympathetic drive to the veins lowers the mean circulatory pressure and moves the curve to the left (VFC-C). In each case the slope stays the same, because arteriolar resistance is unchanged.</source>
        <translation> Punkt 1 entspricht einem Zustand, in dem das HZV null ist. Er ist ein theoretischer Punkt ohne Fluss: Stünde das Herz still und könnten sich die Drücke im gesamten Kreislauf ausgleichen, stellte sich der ZVD auf diesen Wert ein. Dieser Druck ist der mittlere Kreislauffüllungsdruck, der nicht mit dem mittleren arteriellen Druck zu verwechseln ist. Er wird allein vom Blutvolumen und von der Compliance der Gefäße bestimmt, die es aufnehmen. In der oberen Abbildung liegt Punkt 1 dort, wo die Kurve die ZVD-Achse trifft, bei etwa 7 mmHg. Da kein Fluss besteht, spielt der arterioläre Widerstand hierfür keine Rolle. Nimmt man Kurve B in der unteren Abbildung als Kontrolle, so erhöht eine Transfusion den mittleren Kreislauffüllungsdruck und verschiebt die Kurve nach rechts (GFK-A). Eine Abnahme der Compliance, etwa bei stärkerem Sympathikusantrieb der Venen, hat dieselbe Wirkung. Umgekehrt senken ein Blutverlust oder ein verminderter Sympathikusantrieb der Venen den mittleren Kreislauffüllungsdruck und verschieben die Kurve nach links (GFK-C). In allen Fällen bleibt die Steigung gleich, weil sich der arterioläre Widerstand nicht ändert.</translation>
    </message>
    <message>
        <location filename="../src/concepts/ConceptTexts.cpp" line="75"/>
        <source>Region 2 corresponds to the condition in which blood flow is now occuring. As flow rises from point 1, the pressure loss across the arterioles grows and the pressure left to fill the central veins falls, so CVP falls. In effect, the faster the heart pumps, the lower the pressure left in the veins. The size of that loss depends on arteriolar resistance, which is the main part of total peripheral resistance (TPR). The slope of region 2 is therefore set by TPR. Arteriolar vasodilation lowers TPR and steepens the curve (curve A in the lower figure): less pressure is lost for a given flow, so any CO needs less driving pressure and more is left as CVP. Arteriolar vasoconstriction raises TPR and flattens the curve (curve C): more pressure is lost across the arterioles, so the same CO needs a higher driving pressure and leaves a lower CVP. These changes in slope occur without a change in point 1, since the mean circulatory pressure depends on volume and compliance, not on resistance.  </source>
        <translation>Bereich 2 entspricht dem Zustand, in dem Blut fließt. Steigt der Fluss von Punkt 1 aus an, nimmt der Druckabfall über den Arteriolen zu, und der Druck, der zur Füllung der zentralen Venen übrig bleibt, nimmt ab: Der ZVD fällt. Vereinfacht gesagt: Je schneller das Herz pumpt, desto niedriger ist der Druck, der in den Venen verbleibt. Wie groß dieser Druckabfall ist, hängt vom arteriolären Widerstand ab, dem Hauptanteil des totalen peripheren Widerstands (TPR). Die Steigung von Bereich 2 wird daher vom TPR bestimmt. Eine arterioläre Vasodilatation senkt den TPR und macht die Kurve steiler (Kurve A in der unteren Abbildung): Bei gegebenem Fluss geht weniger Druck verloren, sodass jedes HZV einen geringeren Antriebsdruck benötigt und mehr als ZVD übrig bleibt. Eine arterioläre Vasokonstriktion erhöht den TPR und macht die Kurve flacher (Kurve C): Über den Arteriolen geht mehr Druck verloren, sodass dasselbe HZV einen höheren Antriebsdruck benötigt und einen niedrigeren ZVD hinterlässt. Diese Änderungen der Steigung treten ohne Verschiebung von Punkt 1 auf, da der mittlere Kreislauffüllungsdruck von Volumen und Compliance abhängt, nicht vom Widerstand.  </translation>
    </message>
    <message>
        <location filename="../src/concepts/ConceptTexts.cpp" line="92"/>
        <source>Point 3 and region 4 demonstrate a physical change in the relationship between CO and CVP. When CVP falls to a low level (point 3), the transmural pressure of the central veins, the difference between the pressure inside and outside them, becomes too low to hold them open. The thin-walled veins begin to collapse as they enter the chest, venous resistance rises steeply, and further increases in flow are prevented: CO cannot rise further however low CVP falls, so region 4 is flat. Point 3 therefore marks the largest CO that the veins can return to the heart. This part of the curve lies mostly outside the physiological range, but it shows that venous resistance, usually small, can matter. </source>
        <translation>Punkt 3 und Bereich 4 zeigen eine physikalische Änderung der Beziehung zwischen HZV und ZVD. Fällt der ZVD auf einen niedrigen Wert (Punkt 3), wird der transmurale Druck der zentralen Venen, also die Differenz zwischen dem Druck innerhalb und außerhalb der Gefäße, zu gering, um sie offen zu halten. Die dünnwandigen Venen beginnen beim Eintritt in den Thorax zu kollabieren, der venöse Widerstand steigt steil an, und eine weitere Zunahme des Flusses wird verhindert: Das HZV kann nicht weiter steigen, wie tief der ZVD auch fällt; daher verläuft Bereich 4 flach. Punkt 3 markiert somit das größte HZV, das die Venen zum Herzen zurückführen können. Dieser Teil der Kurve liegt überwiegend außerhalb des physiologischen Bereichs, zeigt aber, dass der sonst kleine venöse Widerstand Bedeutung erlangen kann. </translation>
    </message>
    <message>
        <location filename="../src/concepts/ConceptTexts.cpp" line="104"/>
        <source>Cardiac and Vascular functions both are related to CVP but in different ways. For the heart, a higher CVP means more filling and, through the Frank-Starling mechanism, a larger CO; for the vasculature, a larger CO means a lower CVP. At any instant, however, there is only one CVP and one CO, shared by the heart and the vessels. The circulation must therefore operate where the two curves intersect, at the operating point. In the figure the operating point lies at a CVP of 2 mmHg and a CO of 5 liters/minute. Plotting both curves together provides a framework for understanding physiological and pathological changes, since each change moves one curve or both and so shifts the operating point. These changes are taken up in the sub-module &apos;Interactions and Changes&apos;. </source>
        <translation>Herz- und Gefäßfunktion hängen beide mit dem ZVD zusammen, jedoch auf unterschiedliche Weise. Für das Herz bedeutet ein höherer ZVD eine stärkere Füllung und über den Frank-Starling-Mechanismus ein größeres HZV; für das Gefäßsystem bedeutet ein größeres HZV einen niedrigeren ZVD. Zu jedem Zeitpunkt gibt es jedoch nur einen ZVD und ein HZV, die Herz und Gefäße gemeinsam haben. Der Kreislauf muss daher dort arbeiten, wo sich die beiden Kurven schneiden: im Arbeitspunkt. In der Abbildung liegt der Arbeitspunkt bei einem ZVD von 2 mmHg und einem HZV von 5 l/min. Stellt man beide Kurven gemeinsam dar, gewinnt man einen Rahmen zum Verständnis physiologischer und pathologischer Veränderungen, denn jede Veränderung verschiebt eine Kurve oder beide und damit den Arbeitspunkt. Diese Veränderungen werden im Teilmodul »Interaktionen und Veränderungen« behandelt. </translation>
    </message>
    <message>
        <location filename="../src/concepts/ConceptTexts.cpp" line="118"/>
        <source>Changes in TPR cause the slope of the VFC to change. Vasodilation steepens the VFC and vasoconstriction flattens it, while the point where the curve meets the CVP axis stays where it is. The reason is that with a lower TPR less pressure is lost across the arterioles for the same CO, which leaves a larger CVP. When the peripheral arterioles dilate, the new VFC crosses the unchanged CFC at a higher point, so the heart delivers more CO without any change in contractility. The extra output comes from the Frank-Starling mechanism, acting through the higher CVP and the larger end diastolic volume. TPR also acts slightly on the CFC itself, because it sets the afterload against which the ventricle ejects. Over a fair range, however, the CFC changes little: a raised afterload lowers stroke volume, but the blood left in the ventricle raises end diastolic volume, and the Frank-Starling mechanism restores the output. The figure therefore shows only the change in the VFC.</source>
        <translation>Änderungen des TPR verändern die Steigung der GFK. Eine Vasodilatation macht die GFK steiler, eine Vasokonstriktion flacher, während der Punkt, an dem die Kurve die ZVD-Achse trifft, unverändert bleibt. Der Grund: Bei niedrigerem TPR geht für dasselbe HZV weniger Druck über den Arteriolen verloren, sodass ein höherer ZVD übrig bleibt. Erweitern sich die peripheren Arteriolen, schneidet die neue GFK die unveränderte HFK in einem höheren Punkt, und das Herz fördert ohne jede Änderung der Kontraktilität ein größeres HZV. Die zusätzliche Förderleistung stammt aus dem Frank-Starling-Mechanismus, der über den höheren ZVD und das größere enddiastolische Volumen wirkt. Der TPR wirkt auch geringfügig auf die HFK selbst, denn er bestimmt die Nachlast, gegen die der Ventrikel auswirft. Über einen weiten Bereich ändert sich die HFK jedoch kaum: Eine erhöhte Nachlast senkt zwar das Schlagvolumen, doch das im Ventrikel verbliebene Blut erhöht das enddiastolische Volumen, und der Frank-Starling-Mechanismus stellt die Förderleistung wieder her. Die Abbildung zeigt daher nur die Änderung der GFK.</translation>
    </message>
    <message>
        <location filename="../src/concepts/ConceptTexts.cpp" line="136"/>
        <source> The key to understanding the effects of blood volume or compliance changes is to recognize that each of these effects the mean circulatory pressure (mcp). The mcp is the pressure that would be found throughout the circulation at zero CO, and it depends on how full the vessels are relative to their capacity. A smaller blood volume or a larger compliance lowers mcp and moves the VFC to the left without changing its slope. With contractility unchanged, the new operating point lies lower on the same CFC, with a lower CO. A transfusion, or a smaller compliance as with peripheral sympathetic activation of the veins, raises mcp and moves the VFC to the right, with a higher CO. The figure shows both shifts: red (+V, -C) and blue (-V, +C). Clinical examples of a reduced mcp include neurogenic shock (in which the loss of sympathetic tone enlarges vascular capacity), major blood loss, dehydration, and a sudden enlargement of vascular capacity such as the removal of a large tumor.</source>
        <translation> Der Schlüssel zum Verständnis der Wirkungen von Änderungen des Blutvolumens oder der Compliance ist die Erkenntnis, dass beide den mittleren Kreislauffüllungsdruck (MCP) beeinflussen. Der MCP ist der Druck, der bei einem HZV von null im gesamten Kreislauf herrschen würde; er hängt davon ab, wie stark die Gefäße im Verhältnis zu ihrer Kapazität gefüllt sind. Ein kleineres Blutvolumen oder eine größere Compliance senkt den MCP und verschiebt die GFK nach links, ohne ihre Steigung zu ändern. Bei unveränderter Kontraktilität liegt der neue Arbeitspunkt dann tiefer auf derselben HFK, mit einem niedrigeren HZV. Eine Transfusion oder eine geringere Compliance, etwa bei peripherer sympathischer Aktivierung der Venen, erhöht den MCP und verschiebt die GFK nach rechts, mit einem höheren HZV. Die Abbildung zeigt beide Verschiebungen: rot (+V, -C) und blau (-V, +C). Klinische Beispiele für einen verminderten MCP sind der neurogene Schock (bei dem der Verlust des Sympathikotonus die Gefäßkapazität vergrößert), ein großer Blutverlust, eine Dehydratation und eine plötzliche Vergrößerung der Gefäßkapazität, etwa nach Entfernung eines großen Tumors.</translation>
    </message>
    <message>
        <location filename="../src/concepts/ConceptTexts.cpp" line="152"/>
        <source>Contractility is an index of the intrinisic velocity and force of contraction of cardiac myocytes. It depends mainly on the calcium made available to the contractile proteins with each beat, largely by release from the sarcoplasmic reticulum, on how well the cell uses that calcium, and on the viability of the heart muscle itself. Sympathetic activation and circulating catecholamines raise contractility, a positive inotropic effect. The heart then delivers a greater CO at a lower CVP, and this gain does not rely on the Frank-Starling mechanism. In the figure the black CFC is the resting control curve, and the red curve is one that might follow a rise in sympathetic activity to the heart. If the VFC is unchanged, the operating point moves up and to the left along it, to a higher CO and a lower CVP. In the body, however, sympathetic activation rarely acts on the heart alone: its effects on the arterioles and veins usually change the VFC as well, so both curves move together. </source>
        <translation>Die Kontraktilität ist ein Maß für die intrinsische Geschwindigkeit und Kraft der Kontraktion der Herzmuskelzellen. Sie hängt vor allem von der Calciummenge ab, die den kontraktilen Proteinen mit jedem Herzschlag zur Verfügung steht und überwiegend aus dem sarkoplasmatischen Retikulum freigesetzt wird, ferner davon, wie gut die Zelle dieses Calcium nutzt, und von der Vitalität des Herzmuskels selbst. Sympathikusaktivierung und zirkulierende Katecholamine steigern die Kontraktilität; das ist eine positiv inotrope Wirkung. Das Herz fördert dann bei einem niedrigeren ZVD ein größeres HZV, und dieser Zugewinn beruht nicht auf dem Frank-Starling-Mechanismus. In der Abbildung ist die schwarze HFK die Kontrollkurve in Ruhe, die rote Kurve eine, wie sie nach einer Zunahme der sympathischen Aktivität am Herzen entstehen könnte. Bleibt die GFK unverändert, wandert der Arbeitspunkt auf ihr nach links oben, zu einem höheren HZV und einem niedrigeren ZVD. Im Körper wirkt eine Sympathikusaktivierung jedoch selten allein auf das Herz: Ihre Wirkungen auf Arteriolen und Venen verändern meist auch die GFK, sodass sich beide Kurven gemeinsam verschieben. </translation>
    </message>
    <message>
        <location filename="../src/concepts/ConceptTexts.cpp" line="169"/>
        <source>The effects of blood loss depend on the amount and rate of hemmorrhage. After an acute, large loss the vessels are less full relative to their capacity, so mcp falls (point 1). The result is a new VFC (blue), shifted to the left, which meets the unchanged CFC at operating point 2. CO is lower there, and arterial pressure begins to fall. The fall in pressure is sensed by the baroreceptors, and the baroreceptor reflex raises sympathetic activity. Contractility and heart rate rise, giving a new CFC (red); TPR rises and venous compliance falls, giving a new VFC (red) shifted back to the right with a smaller slope. The new curves meet at operating point 3, where CO is higher than at point 2 but still below normal: the compensation is only partial. Over days to weeks, plasma volume is restored: the kidney retains salt and water, and the liver synthesizes new plasma proteins. As volume returns, mcp and CO return toward their normal values and the reflex gradually subsides. </source>
        <translation>Die Folgen eines Blutverlusts hängen von Menge und Geschwindigkeit der Blutung ab. Nach einem akuten, großen Verlust sind die Gefäße im Verhältnis zu ihrer Kapazität weniger gefüllt, sodass der MCP sinkt (Punkt 1). Es ergibt sich eine neue, nach links verschobene GFK (blau), die die unveränderte HFK im Arbeitspunkt 2 schneidet. Dort ist das HZV niedriger, und der arterielle Druck beginnt zu fallen. Der Druckabfall wird von den Barorezeptoren registriert, und der Barorezeptorreflex steigert die Sympathikusaktivität. Kontraktilität und Herzfrequenz nehmen zu, woraus eine neue HFK (rot) entsteht; der TPR steigt und die venöse Compliance sinkt, woraus eine neue, wieder nach rechts verschobene GFK (rot) mit geringerer Steigung entsteht. Die neuen Kurven schneiden sich im Arbeitspunkt 3, in dem das HZV höher ist als in Punkt 2, aber noch unter dem Normalwert liegt: Die Kompensation ist nur partiell. Über Tage bis Wochen wird das Plasmavolumen wiederhergestellt: Die Niere hält Salz und Wasser zurück, und die Leber synthetisiert neue Plasmaproteine. Mit der Rückkehr des Volumens nähern sich MCP und HZV wieder ihren Normalwerten, und der Reflex klingt allmählich ab. </translation>
    </message>
    <message>
        <location filename="../src/concepts/ConceptTexts.cpp" line="187"/>
        <source>Orthostatic or postural changes effect the distribution of blood volume and can produce effects similar to those produced by blood loss. When a supine person is tilted upright, gravity quickly shifts blood out of the central veins into the distensible veins of the abdomen and legs. Total blood volume is unchanged, but less of it fills the central vessels, so mcp falls (point 1) and the VFC moves to the left. CO and arterial pressure therefore fall (point 2). Within seconds the baroreceptor reflex raises contractility, heart rate and TPR and reduces venous compliance, and CO is restored nearly to its supine level (point 3). Spinal reflexes that constrict the blood vessels of the legs also help in this response. In the upright position CO therefore settles slightly lower, and TPR slightly higher, than in the supine position. Where the sympathetic responses are defective, as in some autonomic disorders or with certain drugs, arterial pressure cannot be maintained and fainting may occur. </source>
        <translation>Orthostatische (lagebedingte) Veränderungen beeinflussen die Verteilung des Blutvolumens und können ähnliche Folgen haben wie ein Blutverlust. Wird eine liegende Person aufgerichtet, verlagert die Schwerkraft rasch Blut aus den zentralen Venen in die dehnbaren Venen von Bauch und Beinen. Das Gesamtblutvolumen bleibt unverändert, doch ein kleinerer Teil davon füllt die zentralen Gefäße, sodass der MCP sinkt (Punkt 1) und sich die GFK nach links verschiebt. HZV und arterieller Druck fallen daher ab (Punkt 2). Innerhalb von Sekunden steigert der Barorezeptorreflex Kontraktilität, Herzfrequenz und TPR und senkt die venöse Compliance, und das HZV kehrt nahezu auf seinen Wert im Liegen zurück (Punkt 3). Spinale Reflexe, die die Blutgefäße der Beine verengen, tragen ebenfalls zu dieser Reaktion bei. Im Stehen stellt sich das HZV daher etwas niedriger und der TPR etwas höher ein als im Liegen. Sind die sympathischen Reaktionen gestört, etwa bei manchen autonomen Erkrankungen oder unter bestimmten Medikamenten, kann der arterielle Druck nicht aufrechterhalten werden, und es kann zu einer Synkope kommen. </translation>
    </message>
    <message>
        <location filename="../src/concepts/ConceptTexts.cpp" line="204"/>
        <source>Heart failure is a general term which describes a diminished pumping function that is no longer fully adequate to provide perfusion for all organs and tissues. Its main defect is a reduced contractility. This may arise acutely, as with a myocardial infarction, or develop over time, as with long-standing hypertension or chronic ischemia. In the figure the points 1 show acute failure of moderate (blue) or severe (red) degree: the CFC is depressed, and the operating point moves to a lower CO and a higher CVP. The points 2 show the later, partial recovery. The kidney retains salt and water, blood volume and mcp rise, and the VFC moves to the right, so the heart works at a higher CVP and, by the Frank-Starling mechanism, a larger CO. Once this reserve is used up, more fluid only raises CVP further without raising CO. Positive inotropic drugs may raise contractility and CO, but they also raise the oxygen demand of the myocardium, which may further harm a heart that is already short of oxygen.</source>
        <translation>Herzinsuffizienz ist ein Oberbegriff für eine verminderte Pumpfunktion, die nicht mehr ausreicht, um alle Organe und Gewebe ausreichend zu durchbluten. Ihr Hauptdefekt ist eine verminderte Kontraktilität. Diese kann akut entstehen, etwa bei einem Myokardinfarkt, oder sich allmählich entwickeln, etwa bei langjähriger Hypertonie oder chronischer Ischämie. In der Abbildung zeigen die Punkte 1 eine akute Insuffizienz mittleren (blau) oder schweren (rot) Grades: Die HFK ist nach unten verschoben, und der Arbeitspunkt wandert zu einem niedrigeren HZV und einem höheren ZVD. Die Punkte 2 zeigen die spätere, teilweise Erholung. Die Niere hält Salz und Wasser zurück, Blutvolumen und MCP steigen, und die GFK verschiebt sich nach rechts, sodass das Herz bei einem höheren ZVD und über den Frank-Starling-Mechanismus mit einem größeren HZV arbeitet. Ist diese Reserve ausgeschöpft, erhöht weitere Flüssigkeit nur noch den ZVD, ohne das HZV zu steigern. Positiv inotrope Medikamente können Kontraktilität und HZV erhöhen, steigern aber auch den Sauerstoffbedarf des Myokards, was einem Herzen, das ohnehin unter Sauerstoffmangel leidet, weiter schaden kann.</translation>
    </message>
    <message>
        <location filename="../src/concepts/Interactions.cpp" line="37"/>
        <source>  INTERACTIONS AND CHANGES   </source>
        <translation>  INTERAKTIONEN UND VERÄNDERUNGEN   </translation>
    </message>
    <message>
        <location filename="../src/concepts/Interactions.cpp" line="42"/>
        <source> Total Peripheral Resistance (TPR)</source>
        <translation> Totaler peripherer Widerstand (TPR)</translation>
    </message>
    <message>
        <location filename="../src/concepts/Interactions.cpp" line="47"/>
        <source> Blood Volume and Compliance</source>
        <translation> Blutvolumen und Compliance</translation>
    </message>
    <message>
        <location filename="../src/concepts/Interactions.cpp" line="52"/>
        <source> Cardiac Contractility</source>
        <translation> Kardiale Kontraktilität</translation>
    </message>
    <message>
        <location filename="../src/concepts/Interactions.cpp" line="57"/>
        <source> Blood Loss</source>
        <translation> Blutverlust</translation>
    </message>
    <message>
        <location filename="../src/concepts/Interactions.cpp" line="62"/>
        <source> Orthostatic (postural)</source>
        <translation> Orthostase (Lagewechsel)</translation>
    </message>
    <message>
        <location filename="../src/concepts/Interactions.cpp" line="67"/>
        <source> Heart Failure</source>
        <translation> Herzinsuffizienz</translation>
    </message>
    <message>
        <location filename="../src/concepts/VascularFunctionCurves.cpp" line="31"/>
        <source>  VASCULAR FUNCTION CURVES   </source>
        <translation>  GEFÄSSFUNKTIONSKURVEN   </translation>
    </message>
    <message>
        <location filename="../src/concepts/VascularFunctionCurves.cpp" line="33"/>
        <source> What is a Vascular Function Curve?</source>
        <translation> Was ist eine Gefäßfunktionskurve?</translation>
    </message>
    <message>
        <location filename="../src/concepts/VascularFunctionCurves.cpp" line="36"/>
        <source> Region 1 </source>
        <translation> Bereich 1 </translation>
    </message>
    <message>
        <location filename="../src/concepts/VascularFunctionCurves.cpp" line="38"/>
        <source> Region 2 </source>
        <translation> Bereich 2 </translation>
    </message>
    <message>
        <location filename="../src/concepts/VascularFunctionCurves.cpp" line="39"/>
        <source> Regions 3 and 4 </source>
        <translation> Bereiche 3 und 4 </translation>
    </message>
    <message>
        <location filename="../src/concepts/VascularFunctionCurves.cpp" line="41"/>
        <source> Vascular-Cardiac Relationships</source>
        <translation> Beziehung zwischen Gefäßen und Herz</translation>
    </message>
</context>
<context>
    <name>Figure</name>
    <message>
        <location filename="../src/figures/CardiacFigures.cpp" line="24"/>
        <source>Cardiac function curve</source>
        <translation>Herzfunktionskurve</translation>
    </message>
    <message>
        <location filename="../src/figures/CardiacFigures.cpp" line="25"/>
        <source>A single thick black cardiac function curve: cardiac output (CO, l/min, upward) against central venous pressure (CVP, mmHg, to the right). The curve lies almost flat at about 0.3 l/min while CVP is below about -2 mmHg, rises steeply between a CVP of about -1.7 and 3.4 mmHg, and levels off at about 7.5 l/min from a CVP of about 5.4 mmHg. At a CVP of about 2 mmHg the heart pumps about 5 l/min. At the upper right the words &quot;Cardiac Function Curve&quot; point with an arrow at the plateau.</source>
        <translation>Eine einzelne dicke schwarze Herzfunktionskurve: Herzzeitvolumen (HZV, l/min, nach oben) gegen zentralen Venendruck (ZVD, mmHg, nach rechts). Die Kurve verläuft fast flach bei etwa 0,3 l/min, solange der ZVD unter etwa -2 mmHg liegt, steigt zwischen einem ZVD von etwa -1,7 und 3,4 mmHg steil an und geht ab einem ZVD von etwa 5,4 mmHg in ein Plateau bei etwa 7,5 l/min über. Bei einem ZVD von etwa 2 mmHg fördert das Herz etwa 5 l/min. Oben rechts zeigt die Beschriftung »Herzfunktionskurve« mit einem Pfeil auf das Plateau.</translation>
    </message>
    <message>
        <location filename="../src/figures/CardiacFigures.cpp" line="47"/>
        <source>Increased</source>
        <translation>Gesteigerte</translation>
    </message>
    <message>
        <location filename="../src/figures/CardiacFigures.cpp" line="48"/>
        <location filename="../src/figures/CardiacFigures.cpp" line="52"/>
        <source>Contractility</source>
        <translation>Kontraktilität</translation>
    </message>
    <message>
        <location filename="../src/figures/CardiacFigures.cpp" line="51"/>
        <source>Decreased</source>
        <translation>Verminderte</translation>
    </message>
    <message>
        <location filename="../src/figures/CardiacFigures.cpp" line="65"/>
        <source>Cardiac function curves for changes in contractility</source>
        <translation>Herzfunktionskurven bei Änderungen der Kontraktilität</translation>
    </message>
    <message>
        <location filename="../src/figures/CardiacFigures.cpp" line="66"/>
        <source>Three cardiac function curves on the same axes: the black control curve, a red curve for increased contractility and a blue curve for decreased contractility. The red curve rises earlier and more steeply and levels off at about 11.4 l/min; the blue curve starts at a CVP of about -3 mmHg, rises slowly and levels off at about 4.1 l/min. A dotted vertical line at a CVP of about 1.3 mmHg meets the three curves at small circles: about 8.2 l/min on the red curve, 3.7 l/min on the black control curve and 1.3 l/min on the blue curve, so at the same filling pressure a stronger heart pumps more and a weaker heart less. The labels &quot;Increased Contractility&quot; at the upper left and &quot;Decreased Contractility&quot; at the lower right point with curved arrows at the red and blue curves.</source>
        <translation>Drei Herzfunktionskurven im selben Achsenkreuz: die schwarze Kontrollkurve, eine rote Kurve für gesteigerte und eine blaue Kurve für verminderte Kontraktilität. Die rote Kurve steigt früher und steiler an und erreicht ein Plateau bei etwa 11,4 l/min; die blaue Kurve beginnt bei einem ZVD von etwa -3 mmHg, steigt langsam an und erreicht ein Plateau bei etwa 4,1 l/min. Eine gepunktete senkrechte Linie bei einem ZVD von etwa 1,3 mmHg schneidet die drei Kurven an kleinen Kreisen: bei etwa 8,2 l/min auf der roten Kurve, 3,7 l/min auf der schwarzen Kontrollkurve und 1,3 l/min auf der blauen Kurve; beim gleichen Füllungsdruck fördert ein stärkeres Herz also mehr und ein schwächeres weniger. Die Beschriftungen »Gesteigerte Kontraktilität« oben links und »Verminderte Kontraktilität« unten rechts weisen mit gebogenen Pfeilen auf die rote und die blaue Kurve.</translation>
    </message>
    <message>
        <location filename="../src/figures/VascularFigures.cpp" line="135"/>
        <location filename="../src/figures/ScenarioFigures.cpp" line="84"/>
        <source>Operating</source>
        <translation>Arbeits-</translation>
    </message>
    <message>
        <location filename="../src/figures/VascularFigures.cpp" line="136"/>
        <location filename="../src/figures/ScenarioFigures.cpp" line="85"/>
        <source>Point</source>
        <translation>punkt</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="90"/>
        <location filename="../src/figures/SharedElements.cpp" line="289"/>
        <source>Cardiac</source>
        <translation>Herz-</translation>
    </message>
    <message>
        <location filename="../src/figures/VascularFigures.cpp" line="144"/>
        <location filename="../src/figures/ScenarioFigures.cpp" line="91"/>
        <location filename="../src/figures/ScenarioFigures.cpp" line="95"/>
        <location filename="../src/figures/SharedElements.cpp" line="290"/>
        <source>Function</source>
        <translation>funktions-</translation>
    </message>
    <message>
        <location filename="../src/figures/VascularFigures.cpp" line="145"/>
        <location filename="../src/figures/ScenarioFigures.cpp" line="92"/>
        <location filename="../src/figures/ScenarioFigures.cpp" line="96"/>
        <location filename="../src/figures/SharedElements.cpp" line="291"/>
        <source>Curve</source>
        <translation>kurve</translation>
    </message>
    <message>
        <location filename="../src/figures/VascularFigures.cpp" line="81"/>
        <location filename="../src/figures/ScenarioFigures.cpp" line="93"/>
        <source>CFC</source>
        <translation>HFK</translation>
    </message>
    <message>
        <location filename="../src/figures/VascularFigures.cpp" line="143"/>
        <location filename="../src/figures/ScenarioFigures.cpp" line="94"/>
        <source>Vascular</source>
        <translation>Gefäß-</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="97"/>
        <source>VFC</source>
        <translation>GFK</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="99"/>
        <source>Slope</source>
        <translation>Steigung</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="100"/>
        <source> depends</source>
        <translation> hängt vom</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="101"/>
        <source> on TPR</source>
        <translation> TPR ab</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="103"/>
        <source>mcp depends </source>
        <translation>MCP abhängig </translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="104"/>
        <source>on volume &amp;</source>
        <translation>von Volumen &amp;</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="105"/>
        <source> compliance</source>
        <translation> Compliance</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="109"/>
        <source>Contractility &amp;</source>
        <translation>Kontraktilitäts-</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="110"/>
        <source>sympathetic</source>
        <translation>&amp; sympathikus-</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="111"/>
        <source>dependent</source>
        <translation>abhängig</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="115"/>
        <source>Primary Factors Affecting Interaction</source>
        <translation>Hauptfaktoren des Zusammenspiels</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="119"/>
        <source>Cardiac and vascular function curves of a healthy circulation</source>
        <translation>Herz- und Gefäßfunktionskurve eines gesunden Kreislaufs</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="121"/>
        <source>The cardiac function curve (CFC) and the vascular function curve (VFC) of a healthy circulation, both in black. The VFC falls in a straight line from the mean circulatory pressure on the CVP axis (CVP 6.9 mmHg, marked by a black dot) and levels off at 7 l/min at low CVP; the CFC rises steeply from near zero and levels off at about 7.5 l/min. They cross at the operating point, CVP about 2 mmHg and CO 5 l/min, marked by a black dot with dotted guides to both axes. Notes name what shapes each curve: the slope of the VFC depends on TPR, the mean circulatory pressure on volume and compliance, and the height of the CFC on contractility and sympathetic drive.</source>
        <translation>Die Herzfunktionskurve (HFK) und die Gefäßfunktionskurve (GFK) eines gesunden Kreislaufs, beide schwarz. Die GFK verläuft geradlinig vom mittleren Kreislauffüllungsdruck auf der ZVD-Achse (ZVD 6,9 mmHg, durch einen schwarzen Punkt markiert) aus und erreicht bei niedrigem ZVD ein Plateau bei 7 l/min; die HFK steigt von nahe null steil an und erreicht ein Plateau bei etwa 7,5 l/min. Sie schneiden sich im Arbeitspunkt, ZVD etwa 2 mmHg und HZV 5 l/min, der durch einen schwarzen Punkt mit gepunkteten Hilfslinien zu beiden Achsen markiert ist. Anmerkungen nennen, was die Kurven formt: Die Steigung der GFK hängt vom TPR ab, der mittlere Kreislauffüllungsdruck von Volumen und Compliance und die Höhe der HFK von Kontraktilität und Sympathikusantrieb.</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="140"/>
        <source>Heart</source>
        <translation>Herz</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="141"/>
        <source>Failure - Decreased Contractility</source>
        <translation>mit verminderter Kontraktilität</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="149"/>
        <source>Moderate</source>
        <translation>Mäßige</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="150"/>
        <location filename="../src/figures/ScenarioFigures.cpp" line="190"/>
        <source>Failure</source>
        <translation>Insuffizienz</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="168"/>
        <source>Normal VFC</source>
        <translation>Normale GFK</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="174"/>
        <source>Normal CFC</source>
        <translation>Normale HFK</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="189"/>
        <source>Severe</source>
        <translation>Schwere</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="199"/>
        <source>Heart failure</source>
        <translation>Herzinsuffizienz</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="200"/>
        <source>Heart failure with decreased contractility. The normal curves are black: the normal CFC and the normal VFC cross at A, CVP about 2 mmHg and CO 5 l/min. In moderate failure the CFC, in blue, is lower and levels off at about 5 l/min; it first meets the normal VFC at blue point 1 (CVP 3, CO 4). In severe failure the CFC, in red, levels off at only 3 l/min and meets the normal VFC at red point 1 (CVP 4.3, CO 2.7). Fluid retention then raises the VFC, drawn as black square dashes, moving its mean circulatory pressure from 6.9 to 8.9 mmHg (arrow along the CVP axis); the new crossings, points 2, bring CO back to about 4.7 l/min at CVP 4.4 in moderate failure and 3 l/min at CVP 6.2 in severe failure, at the price of a much higher CVP.</source>
        <translation>Herzinsuffizienz mit verminderter Kontraktilität. Die normalen Kurven sind schwarz: Die normale HFK und die normale GFK schneiden sich in A, ZVD etwa 2 mmHg und HZV 5 l/min. Bei mäßiger Insuffizienz liegt die HFK (blau) tiefer und erreicht ein Plateau bei etwa 5 l/min; sie trifft die normale GFK zunächst im blauen Punkt 1 (ZVD 3, HZV 4). Bei schwerer Insuffizienz erreicht die HFK (rot) nur ein Plateau bei 3 l/min und trifft die normale GFK im roten Punkt 1 (ZVD 4,3, HZV 2,7). Die Flüssigkeitsretention hebt dann die GFK an, gezeichnet als schwarze quadratische Striche, und verschiebt ihren mittleren Kreislauffüllungsdruck von 6,9 auf 8,9 mmHg (Pfeil entlang der ZVD-Achse); die neuen Schnittpunkte, die Punkte 2, bringen das HZV bei mäßiger Insuffizienz auf etwa 4,7 l/min bei einem ZVD von 4,4 und bei schwerer Insuffizienz auf 3 l/min bei einem ZVD von 6,2 zurück, um den Preis eines deutlich höheren ZVD.</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="280"/>
        <source>Initial </source>
        <translation>Initialer </translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="280"/>
        <source>operating </source>
        <translation>Arbeits- </translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="281"/>
        <source>point</source>
        <translation>punkt</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="284"/>
        <source>3. After initial</source>
        <translation>3. Nach ersten</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="285"/>
        <source>   sympathetic</source>
        <translation>   Sympathikus-</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="286"/>
        <source>   reflexes</source>
        <translation>   reflexen</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="290"/>
        <source>Sympathetic causes a decrease </source>
        <translation>Der Sympathikus senkt die </translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="291"/>
        <source>in venous compliance (increase</source>
        <translation>venöse Compliance (Anstieg</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="292"/>
        <source> in MCP) and an increase in TPR </source>
        <translation> des MCP) und erhöht den TPR, </translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="296"/>
        <source>Baroreceptor sympathetic</source>
        <translation>Barorezeptorreflexe</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="297"/>
        <source>reflexes increase cardiac</source>
        <translation>steigern via Sympathikus</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="298"/>
        <source>contractility and heart rate</source>
        <translation>Kontraktilität und HF</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="327"/>
        <source>Tilt from supine (0</source>
        <translation>Aus Rückenlage (0</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="329"/>
        <source>) to upright (90</source>
        <translation>) in den Stand (90</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="332"/>
        <source>Tilt from supine (0°) to upright (90°)</source>
        <translation>Aus Rückenlage (0°) in den Stand (90°)</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="333"/>
        <source>1. Reduced central vein volume decreases MCP</source>
        <translation>1. Weniger zentrales Venenvolumen senkt MCP</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="340"/>
        <location filename="../src/figures/ScenarioFigures.cpp" line="393"/>
        <source>2. Less CO </source>
        <translation>2. HZV sinkt </translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="340"/>
        <location filename="../src/figures/ScenarioFigures.cpp" line="393"/>
        <source>causes less </source>
        <translation>und damit der </translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="341"/>
        <location filename="../src/figures/ScenarioFigures.cpp" line="394"/>
        <source>arterial BP</source>
        <translation>arterielle Druck</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="341"/>
        <source>(transient)</source>
        <translation>(vorübergehend)</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="345"/>
        <source>resulting in a shift of VFC back</source>
        <translation>wodurch sich die GFK wieder nach</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="346"/>
        <source>to the right and a smaller slope</source>
        <translation>rechts verschiebt und abflacht</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="350"/>
        <source>Orthostatic (postural) changes</source>
        <translation>Orthostatische (lagebedingte) Veränderungen</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="351"/>
        <source>Tilting from lying to standing. The black curves are the control CFC and VFC, crossing at the initial operating point A (CVP about 2 mmHg, CO 5 l/min). Blood pooling in the legs lowers the central vein volume: the VFC, in blue, shifts left to a mean circulatory pressure of 3 mmHg (point 1 on the CVP axis), and it meets the control CFC at blue point 2, CVP 0.5 and CO 2.5 l/min, so CO and arterial pressure fall for a while. Baroreceptor reflexes then raise contractility and heart rate, giving the higher red CFC, and lower venous compliance and raise TPR, giving the red VFC with its foot at 5.5 mmHg and a smaller slope. The red curves cross at point 3, CVP about 0.9 and CO about 4.6 l/min, close to the initial CO at a lower CVP.</source>
        <translation>Aufrichten vom Liegen zum Stehen. Die schwarzen Kurven sind die Kontroll-HFK und die Kontroll-GFK, die sich im initialen Arbeitspunkt A schneiden (ZVD etwa 2 mmHg, HZV 5 l/min). Das Versacken von Blut in den Beinen verringert das zentralvenöse Volumen: Die GFK (blau) verschiebt sich nach links auf einen mittleren Kreislauffüllungsdruck von 3 mmHg (Punkt 1 auf der ZVD-Achse) und trifft die Kontroll-HFK im blauen Punkt 2, ZVD 0,5 und HZV 2,5 l/min; HZV und arterieller Druck sinken also vorübergehend. Barorezeptorreflexe steigern dann Kontraktilität und Herzfrequenz, woraus die höhere rote HFK entsteht, und senken die venöse Compliance und erhöhen den TPR, woraus die rote GFK mit ihrem Fußpunkt bei 5,5 mmHg und geringerer Steigung entsteht. Die roten Kurven schneiden sich in Punkt 3, ZVD etwa 0,9 und HZV etwa 4,6 l/min, nahe dem anfänglichen HZV bei niedrigerem ZVD.</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="382"/>
        <source>Blood Loss - Initial Changes </source>
        <translation>Blutverlust - erste Reaktionen </translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="385"/>
        <source>Blood Loss - Initial Changes</source>
        <translation>Blutverlust - erste Reaktionen</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="386"/>
        <source>1. Reduced volume  decreases MCP</source>
        <translation>1. Weniger Volumen senkt den MCP</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="398"/>
        <source>resulting in a shift of VFC to the </source>
        <translation>wodurch sich die GFK nach </translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="399"/>
        <source>right and a smaller slope</source>
        <translation>rechts verschiebt und abflacht</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="403"/>
        <source>Blood loss</source>
        <translation>Blutverlust</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="404"/>
        <source>The first minutes after a blood loss. The black curves are the control CFC and VFC, crossing at the initial operating point A (CVP about 2 mmHg, CO 5 l/min). The lost volume lowers the mean circulatory pressure to 3 mmHg (point 1 on the CVP axis): the blue VFC meets the control CFC at blue point 2, CVP 0.5 and CO 2.5 l/min, so CO and arterial pressure fall. Sympathetic reflexes raise contractility and heart rate, giving the higher red CFC, and lower venous compliance and raise TPR, giving the red VFC with its foot at 5.6 mmHg and a smaller slope. The red curves cross at point 3, CVP about 0 and CO about 3.9 l/min: CO recovers part of the way while CVP stays low.</source>
        <translation>Die ersten Minuten nach einem Blutverlust. Die schwarzen Kurven sind die Kontroll-HFK und die Kontroll-GFK, die sich im initialen Arbeitspunkt A schneiden (ZVD etwa 2 mmHg, HZV 5 l/min). Das verlorene Volumen senkt den mittleren Kreislauffüllungsdruck auf 3 mmHg (Punkt 1 auf der ZVD-Achse): Die blaue GFK trifft die Kontroll-HFK im blauen Punkt 2, ZVD 0,5 und HZV 2,5 l/min; HZV und arterieller Druck sinken also. Sympathische Reflexe steigern Kontraktilität und Herzfrequenz, woraus die höhere rote HFK entsteht, und senken die venöse Compliance und erhöhen den TPR, woraus die rote GFK mit ihrem Fußpunkt bei 5,6 mmHg und geringerer Steigung entsteht. Die roten Kurven schneiden sich in Punkt 3, ZVD etwa 0 und HZV etwa 3,9 l/min: Das HZV erholt sich teilweise, während der ZVD niedrig bleibt.</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="440"/>
        <source>Increased contractility</source>
        <translation>Höhere Kontraktilität</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="441"/>
        <source>achieves more CO</source>
        <translation>erzielt mehr HZV</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="442"/>
        <source>at less required CVP</source>
        <translation>bei geringerem ZVD</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="444"/>
        <source>Reduced contractility</source>
        <translation>Geringere Kontraktilität</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="445"/>
        <source>causes less CO even</source>
        <translation>ergibt weniger HZV,</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="446"/>
        <source>though CVP is greater</source>
        <translation>obwohl der ZVD höher ist</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="450"/>
        <source>Changes in contractility</source>
        <translation>Änderungen der Kontraktilität</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="451"/>
        <source>Changes in contractility with the vascular function curve unchanged. The black control CFC and the black VFC cross at the pale-yellow operating point, CVP about 2 mmHg and CO 5 l/min. Increased contractility gives the red CFC, which rises earlier and levels off at about 11.4 l/min; it meets the VFC at the light red point, CVP 0.7 and CO 6.4 l/min: more output at a lower CVP. Reduced contractility gives the blue CFC, which levels off at about 4.1 l/min; it meets the VFC at the blue point, CVP 3.8 and CO 3.3 l/min: less output even though CVP is higher. Dotted guides lead from each point to both axes.</source>
        <translation>Änderungen der Kontraktilität bei unveränderter Gefäßfunktionskurve. Die schwarze Kontroll-HFK und die schwarze GFK schneiden sich im blassgelben Arbeitspunkt, ZVD etwa 2 mmHg und HZV 5 l/min. Eine gesteigerte Kontraktilität ergibt die rote HFK, die früher ansteigt und ein Plateau bei etwa 11,4 l/min erreicht; sie trifft die GFK im hellroten Punkt, ZVD 0,7 und HZV 6,4 l/min: mehr Förderleistung bei niedrigerem ZVD. Eine verminderte Kontraktilität ergibt die blaue HFK, die ein Plateau bei etwa 4,1 l/min erreicht; sie trifft die GFK im blauen Punkt, ZVD 3,8 und HZV 3,3 l/min: weniger Förderleistung, obwohl der ZVD höher ist. Gepunktete Hilfslinien führen von jedem Punkt zu beiden Achsen.</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="478"/>
        <source>Volume and Compliance Affect MCP</source>
        <translation>Volumen &amp; Compliance bestimmen MCP</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="480"/>
        <source>Vascular Filling</source>
        <translation>Gefäßfüllung im</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="481"/>
        <source> Relative to Capacity</source>
        <translation> Verhältnis zur Kapazität</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="503"/>
        <source>MCP shifts in</source>
        <translation>MCP ändert sich</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="504"/>
        <source>proportion to</source>
        <translation>proportional zur</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="505"/>
        <source>volume or </source>
        <translation>Volumen- oder </translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="506"/>
        <source>compliance</source>
        <translation>Compliance-</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="507"/>
        <source>change</source>
        <translation>änderung</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="509"/>
        <source>Greater CO due </source>
        <translation>Mehr HZV, </translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="510"/>
        <source>to increased CVP</source>
        <translation>da ZVD steigt</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="512"/>
        <source>Less CO due </source>
        <translation>Weniger HZV, </translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="513"/>
        <source>to reduced CVP</source>
        <translation>da ZVD sinkt</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="516"/>
        <source>Changes in blood volume and compliance</source>
        <translation>Änderungen von Blutvolumen und Compliance</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="517"/>
        <source>How blood volume and venous compliance set the mean circulatory pressure (MCP), the foot of the vascular function curve on the CVP axis. The black control VFC (MCP 6.9 mmHg) meets the black control CFC at CVP about 2 mmHg and CO 5 l/min. More volume or less compliance shifts the VFC to the right, in light red, with its foot at 8.7 mmHg: it meets the CFC at CVP 3 and CO 6.25 l/min, greater CO because CVP is higher. Less volume or more compliance shifts it to the left, in blue, with its foot at 4.8 mmHg: it meets the CFC at CVP 1.2 and CO 3.7 l/min. The slopes stay the same; under the axis, arrows show which change moves the MCP which way.</source>
        <translation>Wie Blutvolumen und venöse Compliance den mittleren Kreislauffüllungsdruck (MCP) bestimmen, den Fußpunkt der Gefäßfunktionskurve auf der ZVD-Achse. Die schwarze Kontroll-GFK (MCP 6,9 mmHg) trifft die schwarze Kontroll-HFK bei einem ZVD von etwa 2 mmHg und einem HZV von 5 l/min. Mehr Volumen oder weniger Compliance verschiebt die GFK nach rechts (hellrot), mit Fußpunkt bei 8,7 mmHg: Sie trifft die HFK bei ZVD 3 und HZV 6,25 l/min, also mehr HZV, weil der ZVD höher ist. Weniger Volumen oder mehr Compliance verschiebt sie nach links (blau), mit Fußpunkt bei 4,8 mmHg: Sie trifft die HFK bei ZVD 1,2 und HZV 3,7 l/min. Die Steigungen bleiben gleich; unter der Achse zeigen Pfeile, welche Änderung den MCP in welche Richtung verschiebt.</translation>
    </message>
    <message>
        <location filename="../src/figures/VascularFigures.cpp" line="217"/>
        <location filename="../src/figures/ScenarioFigures.cpp" line="541"/>
        <source>Vasodilation</source>
        <translation>Vasodilatation</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="545"/>
        <source>With reduced TPR</source>
        <translation>Bei gesenktem TPR</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="546"/>
        <source>larger CO</source>
        <translation>höheres</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="547"/>
        <source>with same</source>
        <translation>HZV bei gleicher</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="548"/>
        <source>cardiac contractilty</source>
        <translation>kardialer Kontraktilität</translation>
    </message>
    <message>
        <location filename="../src/figures/VascularFigures.cpp" line="218"/>
        <location filename="../src/figures/ScenarioFigures.cpp" line="550"/>
        <source>Vasoconstriction</source>
        <translation>Vasokonstriktion</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="555"/>
        <source>Changes in TPR Change Slope of VFC </source>
        <translation>TPR bestimmt die Steigung der GFK </translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="560"/>
        <source>Changes in total peripheral resistance</source>
        <translation>Änderungen des totalen peripheren Widerstands</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="561"/>
        <source>How total peripheral resistance (TPR) changes the slope of the vascular function curve while its foot, the mean circulatory pressure at about 6.9 mmHg (black dot), stays put. The black control VFC meets the black control CFC at the pale-yellow operating point, CVP about 2 mmHg and CO 5 l/min. Vasodilation lowers TPR and makes the VFC steeper, in light red: it meets the CFC at the light red point, CVP 2.9 and CO 6.1 l/min, a larger CO with the same contractility. Vasoconstriction raises TPR and flattens the VFC, in blue: it meets the CFC at the blue point, CVP 1.4 and CO 4.1 l/min. Dotted guides lead from both points to the CO axis.</source>
        <translation>Wie der totale periphere Widerstand (TPR) die Steigung der Gefäßfunktionskurve verändert, während ihr Fußpunkt, der mittlere Kreislauffüllungsdruck bei etwa 6,9 mmHg (schwarzer Punkt), unverändert bleibt. Die schwarze Kontroll-GFK trifft die schwarze Kontroll-HFK im blassgelben Arbeitspunkt, ZVD etwa 2 mmHg und HZV 5 l/min. Eine Vasodilatation senkt den TPR und macht die GFK steiler (hellrot): Sie trifft die HFK im hellroten Punkt, ZVD 2,9 und HZV 6,1 l/min, also ein größeres HZV bei gleicher Kontraktilität. Eine Vasokonstriktion erhöht den TPR und macht die GFK flacher (blau): Sie trifft die HFK im blauen Punkt, ZVD 1,4 und HZV 4,1 l/min. Gepunktete Hilfslinien führen von beiden Punkten zur HZV-Achse.</translation>
    </message>
    <message>
        <location filename="../src/figures/SharedElements.cpp" line="62"/>
        <source>CO</source>
        <translation>HZV</translation>
    </message>
    <message>
        <location filename="../src/figures/SharedElements.cpp" line="64"/>
        <source>l/</source>
        <translation>l/</translation>
    </message>
    <message>
        <location filename="../src/figures/SharedElements.cpp" line="64"/>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <location filename="../src/figures/SharedElements.cpp" line="67"/>
        <location filename="../src/figures/SharedElements.cpp" line="69"/>
        <location filename="../src/figures/SharedElements.cpp" line="72"/>
        <location filename="../src/figures/SharedElements.cpp" line="75"/>
        <source>CVP</source>
        <translation>ZVD</translation>
    </message>
    <message>
        <location filename="../src/figures/SharedElements.cpp" line="68"/>
        <source> (mmHg)</source>
        <translation> (mmHg)</translation>
    </message>
    <message>
        <location filename="../src/figures/SharedElements.cpp" line="70"/>
        <location filename="../src/figures/SharedElements.cpp" line="73"/>
        <source> (mmHg</source>
        <translation> (mmHg</translation>
    </message>
    <message>
        <location filename="../src/figures/SharedElements.cpp" line="76"/>
        <source>(mmHg)</source>
        <translation>(mmHg)</translation>
    </message>
    <message>
        <location filename="../src/figures/TestFigure.cpp" line="75"/>
        <location filename="../src/figures/TestFigure.cpp" line="89"/>
        <source>Control</source>
        <translation>Kontrolle</translation>
    </message>
    <message>
        <location filename="../src/figures/TestFigure.cpp" line="101"/>
        <source>Practice test figure</source>
        <translation>Abbildung zum Übungstest</translation>
    </message>
    <message>
        <location filename="../src/figures/TestFigure.cpp" line="102"/>
        <source>The practice test&apos;s figure: three cardiac function curves and three vascular function curves on one graph. The cardiac curves are the dashed control curve, A in red (higher, levelling off near 11.4 l/min) and B in blue (lower, levelling off near 4.1 l/min); the vascular curves are the dashed control line, C (foot at the same mean circulatory pressure of 6.9 mmHg but much steeper, levelling off at 11 l/min) and D (foot shifted left to 4 mmHg, levelling off at 5 l/min). S marks where the two control curves cross, at CVP about 2 mmHg and CO 5 l/min. The numbered circles mark the other crossings: 1 is A with D, 2 is A with the control VFC, 3 is A with C, 4 is the control CFC with D, 5 is the control CFC with C, 6 is B with D, 7 is B with the control VFC and 8 is B with C.</source>
        <translation>Die Abbildung des Übungstests: drei Herzfunktionskurven und drei Gefäßfunktionskurven in einem Diagramm. Die Herzfunktionskurven sind die gestrichelte Kontrollkurve, A in Rot (höher, Plateau bei etwa 11,4 l/min) und B in Blau (niedriger, Plateau bei etwa 4,1 l/min); die Gefäßfunktionskurven sind die gestrichelte Kontrolllinie, C (Fußpunkt beim gleichen mittleren Kreislauffüllungsdruck von 6,9 mmHg, aber viel steiler, Plateau bei 11 l/min) und D (Fußpunkt nach links auf 4 mmHg verschoben, Plateau bei 5 l/min). S markiert den Schnittpunkt der beiden Kontrollkurven bei einem ZVD von etwa 2 mmHg und einem HZV von 5 l/min. Die nummerierten Kreise markieren die übrigen Schnittpunkte: 1 ist A mit D, 2 ist A mit der Kontroll-GFK, 3 ist A mit C, 4 ist die Kontroll-HFK mit D, 5 ist die Kontroll-HFK mit C, 6 ist B mit D, 7 ist B mit der Kontroll-GFK und 8 ist B mit C.</translation>
    </message>
    <message>
        <location filename="../src/figures/VascularFigures.cpp" line="106"/>
        <source>A Vascular Function Curve (VFC)</source>
        <translation>Eine Gefäßfunktionskurve (GFK)</translation>
    </message>
    <message>
        <location filename="../src/figures/VascularFigures.cpp" line="108"/>
        <source>has four important basic regions </source>
        <translation>hat vier wichtige Grundbereiche </translation>
    </message>
    <message>
        <location filename="../src/figures/VascularFigures.cpp" line="111"/>
        <source>Vascular function curve and its four regions</source>
        <translation>Gefäßfunktionskurve und ihre vier Bereiche</translation>
    </message>
    <message>
        <location filename="../src/figures/VascularFigures.cpp" line="112"/>
        <source>A vascular function curve: venous return against central venous pressure (CVP), drawn as a black line. From its foot on the CVP axis at about 6.9 mmHg, the mean circulatory pressure, it rises in a straight slope to the left up to 5 l/min at a CVP of about -0.5 mmHg and then runs flat to the left edge. Four numbered regions are marked with black circled numbers: 1 just under the foot, 2 beside the sloping part, 3 under the bend and 4 above the flat part; curly braces span the sloping part and the flat part. The title reads &quot;A Vascular Function Curve (VFC) has four important basic regions&quot;.</source>
        <translation>Eine Gefäßfunktionskurve: venöser Rückstrom gegen zentralen Venendruck (ZVD), als schwarze Linie gezeichnet. Von ihrem Fußpunkt auf der ZVD-Achse bei etwa 6,9 mmHg, dem mittleren Kreislauffüllungsdruck, steigt sie geradlinig nach links bis auf 5 l/min bei einem ZVD von etwa -0,5 mmHg an und verläuft dann flach bis zum linken Rand. Vier Bereiche sind mit schwarzen eingekreisten Ziffern markiert: 1 direkt unter dem Fußpunkt, 2 neben dem ansteigenden Abschnitt, 3 unter dem Knick und 4 über dem flachen Abschnitt; geschweifte Klammern umfassen den ansteigenden und den flachen Abschnitt. Der Titel lautet »Eine Gefäßfunktionskurve (GFK) hat vier wichtige Grundbereiche«.</translation>
    </message>
    <message>
        <location filename="../src/figures/VascularFigures.cpp" line="155"/>
        <source>Control vascular and cardiac function curves</source>
        <translation>Kontrollkurven der Gefäß- und Herzfunktion</translation>
    </message>
    <message>
        <location filename="../src/figures/VascularFigures.cpp" line="156"/>
        <source>The control vascular function curve and the control cardiac function curve, both thick black, drawn on the same axes. The vascular curve runs flat at 7 l/min on the left and falls to its foot on the CVP axis at about 6.9 mmHg, marked by a black dot; the cardiac curve rises from the lower left to a plateau at about 7.5 l/min. They cross at the operating point, a CVP of about 2 mmHg and a CO of 5 l/min, marked by a pale-yellow circle, with dotted arrows down to the CVP axis and left to the CO axis and an arrow from the words &quot;Operating Point&quot;. Labels name the &quot;Cardiac Function Curve&quot; at the upper right and the &quot;Vascular Function Curve&quot; at the upper left, and circled region numbers 1 to 4 sit along the vascular curve.</source>
        <translation>Die Kontroll-Gefäßfunktionskurve und die Kontroll-Herzfunktionskurve, beide dick und schwarz, im selben Achsenkreuz. Die Gefäßfunktionskurve verläuft links flach bei 7 l/min und fällt zu ihrem Fußpunkt auf der ZVD-Achse bei etwa 6,9 mmHg ab, der durch einen schwarzen Punkt markiert ist; die Herzfunktionskurve steigt von links unten zu einem Plateau bei etwa 7,5 l/min an. Sie schneiden sich im Arbeitspunkt bei einem ZVD von etwa 2 mmHg und einem HZV von 5 l/min, markiert durch einen blassgelben Kreis, mit gepunkteten Pfeilen nach unten zur ZVD-Achse und nach links zur HZV-Achse und einem Pfeil von der Beschriftung »Arbeitspunkt«. Beschriftungen benennen oben rechts die »Herzfunktionskurve« und oben links die »Gefäßfunktionskurve«; eingekreiste Bereichsnummern 1 bis 4 stehen entlang der Gefäßfunktionskurve.</translation>
    </message>
    <message>
        <location filename="../src/figures/VascularFigures.cpp" line="183"/>
        <source>Three different VFC and one CFC for reference</source>
        <translation>Drei verschiedene GFK und eine HFK als Bezug</translation>
    </message>
    <message>
        <location filename="../src/figures/VascularFigures.cpp" line="190"/>
        <source>Vascular function curves shifted in parallel</source>
        <translation>Parallel verschobene Gefäßfunktionskurven</translation>
    </message>
    <message>
        <location filename="../src/figures/VascularFigures.cpp" line="191"/>
        <source>Three parallel vascular function curves with one cardiac function curve for reference. The curves share the same slope but meet the CVP axis at different points, each marked by a dot in its colour and a letter under the axis: blue curve C at about 4.8 mmHg, levelling off at 3.75 l/min; black curve B, the control, at about 6.9 mmHg, levelling off at 5 l/min; red curve A at about 8.7 mmHg, levelling off at 6.25 l/min. The black cardiac function curve, labelled CFC, rises across all three. The title reads &quot;Three different VFC and one CFC for reference&quot;.</source>
        <translation>Drei parallele Gefäßfunktionskurven mit einer Herzfunktionskurve als Bezug. Die Kurven haben dieselbe Steigung, treffen die ZVD-Achse aber an verschiedenen Punkten, die jeweils durch einen Punkt in ihrer Farbe und einen Buchstaben unter der Achse markiert sind: die blaue Kurve C bei etwa 4,8 mmHg, Plateau bei 3,75 l/min; die schwarze Kurve B, die Kontrolle, bei etwa 6,9 mmHg, Plateau bei 5 l/min; die rote Kurve A bei etwa 8,7 mmHg, Plateau bei 6,25 l/min. Die schwarze Herzfunktionskurve mit der Beschriftung HFK steigt quer durch alle drei an. Der Titel lautet »Drei verschiedene GFK und eine HFK als Bezug«.</translation>
    </message>
    <message>
        <location filename="../src/figures/VascularFigures.cpp" line="212"/>
        <source>Slope of Region 2 depends on TPR</source>
        <translation>Bereich 2: Steigung hängt vom TPR ab</translation>
    </message>
    <message>
        <location filename="../src/figures/VascularFigures.cpp" line="223"/>
        <source>Vascular function curves of different slope</source>
        <translation>Gefäßfunktionskurven unterschiedlicher Steigung</translation>
    </message>
    <message>
        <location filename="../src/figures/VascularFigures.cpp" line="224"/>
        <source>Three vascular function curves that share the same foot on the CVP axis, at about 6.9 mmHg, but differ in slope. The black control curve B rises to 5 l/min and then runs flat; the red curve A rises more steeply, to about 8.7 l/min at a CVP of about -0.6 mmHg, and is labelled vasodilation; the blue curve C rises less steeply, to only about 2.7 l/min, and is labelled vasoconstriction. The black cardiac function curve, labelled CFC, is drawn for reference, and the circled number 2 marks the sloping region. The title reads &quot;Slope of Region 2 depends on TPR&quot;.</source>
        <translation>Drei Gefäßfunktionskurven mit demselben Fußpunkt auf der ZVD-Achse bei etwa 6,9 mmHg, aber unterschiedlicher Steigung. Die schwarze Kontrollkurve B steigt bis 5 l/min an und verläuft dann flach; die rote Kurve A steigt steiler an, bis etwa 8,7 l/min bei einem ZVD von etwa -0,6 mmHg, und ist mit Vasodilatation beschriftet; die blaue Kurve C steigt flacher an, nur bis etwa 2,7 l/min, und ist mit Vasokonstriktion beschriftet. Die schwarze Herzfunktionskurve mit der Beschriftung HFK ist als Bezug eingezeichnet, und die eingekreiste Ziffer 2 markiert den ansteigenden Bereich. Der Titel lautet »Bereich 2: Steigung hängt vom TPR ab«.</translation>
    </message>
</context>
<context>
    <name>Introduction</name>
    <message>
        <location filename="../src/shell/Introduction.cpp" line="68"/>
        <source>Brannoc Welcomes You To</source>
        <translation>Willkommen bei Brannoc:</translation>
    </message>
    <message>
        <location filename="../src/shell/Introduction.cpp" line="69"/>
        <source>UNDERSTANDING CARDIAC AND VASCULAR FUNCTION CURVES</source>
        <translation>HERZ- UND GEFÄSSFUNKTIONSKURVEN VERSTEHEN</translation>
    </message>
    <message>
        <location filename="../src/shell/Introduction.cpp" line="71"/>
        <source>We recommend that you start your first session by visiting the instructions page</source>
        <translation>Wir empfehlen, beim ersten Besuch mit der Seite »Anleitung« zu beginnen</translation>
    </message>
</context>
<context>
    <name>ListBox</name>
    <message>
        <location filename="../src/shell/ListBox.cpp" line="41"/>
        <source>blank</source>
        <translation>leer</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <location filename="../src/shell/Menus.h" line="12"/>
        <location filename="../src/shell/Menus.h" line="15"/>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <location filename="../src/shell/Menus.h" line="16"/>
        <source>Cardiac Function Curves</source>
        <translation>Herzfunktionskurven</translation>
    </message>
    <message>
        <location filename="../src/shell/Menus.h" line="18"/>
        <location filename="../src/shell/Menus.h" line="21"/>
        <source>Vascular Function Curves</source>
        <translation>Gefäßfunktionskurven</translation>
    </message>
    <message>
        <location filename="../src/shell/Menus.h" line="24"/>
        <source>Vascular Funciton Curves</source>
        <translation>Gefäßfunktionskurven</translation>
    </message>
    <message>
        <location filename="../src/shell/Menus.h" line="27"/>
        <source>Interactions/Changes</source>
        <translation>Interaktionen/Veränderungen</translation>
    </message>
    <message>
        <location filename="../src/shell/Menus.h" line="29"/>
        <source>Interactions and Changes</source>
        <translation>Interaktionen und Veränderungen</translation>
    </message>
    <message>
        <location filename="../src/shell/Menus.h" line="30"/>
        <source>Glossary</source>
        <translation>Glossar</translation>
    </message>
    <message>
        <location filename="../src/shell/Menus.h" line="32"/>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <location filename="../src/shell/Menus.h" line="33"/>
        <source>End Session</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <location filename="../src/concepts/CardiacFunctionCurves.cpp" line="14"/>
        <source>Loop Basics</source>
        <translation>Grundlagen</translation>
    </message>
    <message>
        <location filename="../src/practice/Test.cpp" line="54"/>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="69"/>
        <source>Abbreviations-Definitions-Formulas</source>
        <translation>Abkürzungen, Definitionen, Formeln</translation>
    </message>
    <message>
        <location filename="../src/reference/Instructions.cpp" line="37"/>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <location filename="../src/shell/Introduction.cpp" line="32"/>
        <source>Introduction</source>
        <translation>Einführung</translation>
    </message>
    <message>
        <location filename="../src/shell/Page.cpp" line="31"/>
        <source>Welcome page of the learning module on cardiac and vascular function curves</source>
        <translation>Startseite des Lernmoduls zu Herz- und Gefäßfunktionskurven</translation>
    </message>
    <message>
        <location filename="../src/shell/Page.cpp" line="33"/>
        <source>Cardiac function curves: a list of topics, an answer box and a figure</source>
        <translation>Herzfunktionskurven: eine Themenliste, ein Antwortfeld und eine Abbildung</translation>
    </message>
    <message>
        <location filename="../src/shell/Page.cpp" line="35"/>
        <source>Vascular function curves: a list of topics, an answer box and figures</source>
        <translation>Gefäßfunktionskurven: eine Themenliste, ein Antwortfeld und Abbildungen</translation>
    </message>
    <message>
        <location filename="../src/shell/Page.cpp" line="37"/>
        <source>Interactions and changes: a list of topics, an answer box and figures</source>
        <translation>Interaktionen und Veränderungen: eine Themenliste, ein Antwortfeld und Abbildungen</translation>
    </message>
    <message>
        <location filename="../src/shell/Page.cpp" line="39"/>
        <source>Practice test: twenty multiple-choice questions on one figure</source>
        <translation>Übungstest: zwanzig Multiple-Choice-Fragen zu einer Abbildung</translation>
    </message>
    <message>
        <location filename="../src/shell/Page.cpp" line="40"/>
        <source>Glossary of abbreviations, definitions and formulas</source>
        <translation>Glossar mit Abkürzungen, Definitionen und Formeln</translation>
    </message>
    <message>
        <location filename="../src/shell/Page.cpp" line="41"/>
        <source>Instructions: what the learning module contains and where to begin</source>
        <translation>Anleitung: was das Lernmodul enthält und wo man beginnt</translation>
    </message>
</context>
<context>
    <name>Prediction</name>
    <message>
        <location filename="../src/explorer/Prediction.cpp" line="34"/>
        <source>Contractility rises to %1% of control</source>
        <translation>Die Kontraktilität steigt auf %1&#xa0;% des Kontrollwerts</translation>
    </message>
    <message>
        <location filename="../src/explorer/Prediction.cpp" line="35"/>
        <source>Contractility falls to %1% of control</source>
        <translation>Die Kontraktilität sinkt auf %1&#xa0;% des Kontrollwerts</translation>
    </message>
    <message>
        <location filename="../src/explorer/Prediction.cpp" line="37"/>
        <source>Stressed blood volume rises to %1% of control</source>
        <translation>Das druckwirksame Blutvolumen steigt auf %1&#xa0;% des Kontrollwerts</translation>
    </message>
    <message>
        <location filename="../src/explorer/Prediction.cpp" line="38"/>
        <source>Stressed blood volume falls to %1% of control</source>
        <translation>Das druckwirksame Blutvolumen sinkt auf %1&#xa0;% des Kontrollwerts</translation>
    </message>
    <message>
        <location filename="../src/explorer/Prediction.cpp" line="40"/>
        <source>Venous compliance rises to %1% of control</source>
        <translation>Die venöse Compliance steigt auf %1&#xa0;% des Kontrollwerts</translation>
    </message>
    <message>
        <location filename="../src/explorer/Prediction.cpp" line="41"/>
        <source>Venous compliance falls to %1% of control</source>
        <translation>Die venöse Compliance sinkt auf %1&#xa0;% des Kontrollwerts</translation>
    </message>
    <message>
        <location filename="../src/explorer/Prediction.cpp" line="43"/>
        <source>Total peripheral resistance rises to %1% of control</source>
        <translation>Der totale periphere Widerstand steigt auf %1&#xa0;% des Kontrollwerts</translation>
    </message>
    <message>
        <location filename="../src/explorer/Prediction.cpp" line="44"/>
        <source>Total peripheral resistance falls to %1% of control</source>
        <translation>Der totale periphere Widerstand sinkt auf %1&#xa0;% des Kontrollwerts</translation>
    </message>
    <message>
        <location filename="../src/explorer/Prediction.cpp" line="50"/>
        <source>CVP rose from %1 to %2&#xa0;mmHg.</source>
        <translation>Der ZVD stieg von %1 auf %2&#xa0;mmHg.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Prediction.cpp" line="51"/>
        <source>CVP stayed about the same, from %1 to %2&#xa0;mmHg.</source>
        <translation>Der ZVD blieb etwa gleich (von %1 auf %2&#xa0;mmHg).</translation>
    </message>
    <message>
        <location filename="../src/explorer/Prediction.cpp" line="52"/>
        <source>CVP fell from %1 to %2&#xa0;mmHg.</source>
        <translation>Der ZVD sank von %1 auf %2&#xa0;mmHg.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Prediction.cpp" line="53"/>
        <source>CO rose from %1 to %2&#xa0;l/min.</source>
        <translation>Das HZV stieg von %1 auf %2&#xa0;l/min.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Prediction.cpp" line="54"/>
        <source>CO stayed about the same, from %1 to %2&#xa0;l/min.</source>
        <translation>Das HZV blieb etwa gleich (von %1 auf %2&#xa0;l/min).</translation>
    </message>
    <message>
        <location filename="../src/explorer/Prediction.cpp" line="55"/>
        <source>CO fell from %1 to %2&#xa0;l/min.</source>
        <translation>Das HZV sank von %1 auf %2&#xa0;l/min.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Prediction.cpp" line="56"/>
        <source>MSFP rose from %1 to %2&#xa0;mmHg.</source>
        <translation>Der MSFP stieg von %1 auf %2&#xa0;mmHg.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Prediction.cpp" line="57"/>
        <source>MSFP stayed about the same, from %1 to %2&#xa0;mmHg.</source>
        <translation>Der MSFP blieb etwa gleich (von %1 auf %2&#xa0;mmHg).</translation>
    </message>
    <message>
        <location filename="../src/explorer/Prediction.cpp" line="58"/>
        <source>MSFP fell from %1 to %2&#xa0;mmHg.</source>
        <translation>Der MSFP sank von %1 auf %2&#xa0;mmHg.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Prediction.cpp" line="106"/>
        <source>Correct. %1</source>
        <translation>Richtig. %1</translation>
    </message>
    <message>
        <location filename="../src/explorer/Prediction.cpp" line="107"/>
        <source>Incorrect. %1</source>
        <translation>Falsch. %1</translation>
    </message>
    <message>
        <location filename="../src/explorer/Prediction.cpp" line="120"/>
        <source>%1.</source>
        <comment>a list of changes ends</comment>
        <translation>%1.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Prediction.cpp" line="121"/>
        <source>. </source>
        <comment>between changes</comment>
        <translation>. </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/explorer/Prediction.cpp" line="137"/>
        <source>%1 of %n correct</source>
        <translation>
            <numerusform>%1 von %n richtig</numerusform>
            <numerusform>%1 von %n richtig</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Reference</name>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="14"/>
        <source>Afterload................    Average stress that myocardial cells must overcome to shorten</source>
        <translation>Nachlast...................  Mittlere Wandspannung, gegen die sich die Myokardzellen verkürzen müssen</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="15"/>
        <source>                                   In the intact heart is proportional to aortic blood pressure</source>
        <translation>                                   Im intakten Herzen proportional zum Aortendruck</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="16"/>
        <source>CFC..........................  Cardiac Function Curve:  Relates cardiac output to CVP or RAP</source>
        <translation>HFK..........................  Herzfunktionskurve:  Beziehung des Herzzeitvolumens zum ZVD oder RAD</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="17"/>
        <source>                                    Depends on both contractility and Frank-Starling mechanism</source>
        <translation>                                    Hängt von Kontraktilität und Frank-Starling-Mechanismus ab</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="18"/>
        <source>CO ..........................   Cardiac Output = volume output of heart per minute = SV x HR</source>
        <translation>HZV..........................  Herzzeitvolumen = Auswurf des Herzens pro Minute = SV x HF</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="19"/>
        <source>Contractility............    Intrinsic contraction potential of the myocardium at a given preload.</source>
        <translation>Kontraktilität...........  Intrinsisches Kontraktionsvermögen des Myokards bei gegebener Vorlast.</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="20"/>
        <source>                                   It is a good index of the velocity and force of contraction.</source>
        <translation>                                   Gutes Maß für Geschwindigkeit und Kraft der Kontraktion.</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="21"/>
        <source>CVP..........................  Central Venous Pressure = pressure in thoracic veins</source>
        <translation>ZVD..........................  Zentraler Venendruck = Druck in den intrathorakalen Venen</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="22"/>
        <source>Diastole .................    Interval during which ventricle is relaxing</source>
        <translation>Diastole....................  Zeitraum, in dem der Ventrikel erschlafft</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="23"/>
        <source>Diastolic Pressure..    Minimum aortic pressure during a cardiac cycle</source>
        <translation>Diastol. Druck.........  Minimaler Aortendruck während eines Herzzyklus</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="24"/>
        <source>EDP........................    End Diasolic Pressure = LVP at end of filling phase=start of ventricle systole</source>
        <translation>EDD..........................  Enddiastolischer Druck = LVD am Ende der Füllung = Beginn der Systole</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="25"/>
        <source>EDV.........................   End Diastolic Volume = LV volume at the onset of systole</source>
        <translation>EDV..........................  Enddiastolisches Volumen = LV-Volumen zu Beginn der Systole</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="26"/>
        <source>EF...........................    Ejection Fraction = SV / EDV as fraction or percentage</source>
        <translation>EF.............................  Ejektionsfraktion = SV / EDV als Bruchteil oder in Prozent</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="27"/>
        <source>ESP........................    End Systolic Pressure = LVP at end of systole</source>
        <translation>ESD..........................  Endsystolischer Druck = LVD am Ende der Systole</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="28"/>
        <source>ESV.........................   End Systolic Volume = LV volume at the end of systole </source>
        <translation>ESV..........................  Endsystolisches Volumen = LV-Volumen am Ende der Systole </translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="29"/>
        <source>Frank-Starling .......    Mechanism whereby SV increases with increasing EDV (preload)</source>
        <translation>Frank-Starling.........  Mechanismus, durch den das SV mit zunehmendem EDV (Vorlast) steigt</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="30"/>
        <source>HR .........................    Heart Rate = number of cardiac beats per minute</source>
        <translation>HF.............................  Herzfrequenz = Zahl der Herzschläge pro Minute</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="31"/>
        <source>Inotropy .................   A positive inotropic agent is one that increases contractility</source>
        <translation>Inotropie..................  Ein positiv inotroper Wirkstoff steigert die Kontraktilität</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="32"/>
        <source>Laplace&apos;s Law.......    Average stress = pressure x radius / wall thickness (T = Pr/w)</source>
        <translation>Laplace-Gesetz.......  Mittlere Wandspannung = Druck x Radius / Wanddicke (T = Pr/w)</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="33"/>
        <source>LVP.........................   Left ventricular Pressure (mmHg)</source>
        <translation>LVD..........................  Linksventrikulärer Druck (mmHg)</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="34"/>
        <source>MAP ......................    Mean Aortic Pressure = diastolic pressure + 1/3 pulse pressure</source>
        <translation>MAD.........................  Mittlerer Aortendruck = diastolischer Druck + 1/3 Pulsdruck</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="35"/>
        <source>MCP.........................  Mean Circulatory Pressure = pressure in vasculature when CO = 0</source>
        <translation>MCP..........................  Mittlerer Kreislauffüllungsdruck = Druck im Gefäßsystem bei HZV = 0</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="36"/>
        <source>                                   MCP  value sets the start point of the vascular function curve on the CVP axis</source>
        <translation>                                   Der MCP legt fest, wo die Gefäßfunktionskurve die ZVD-Achse trifft</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="37"/>
        <source>                                   MCP depends on vascular filling relative to vascular capacity</source>
        <translation>                                   Der MCP hängt von der Gefäßfüllung im Verhältnis zur Gefäßkapazität ab</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="38"/>
        <source>PIP.........................   Peak Isovolumic Pressure = maximum pressure developed by the</source>
        <translation>PIP............................  Isovolumetrisches Druckmaximum = Höchstdruck, den der Ventrikel</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="39"/>
        <source>                                   ventricle at a given EDV and contractility during isovolumic contraction</source>
        <translation>                                   bei gegebenem EDV und gegebener Kontraktilität isovolumetrisch aufbaut</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="40"/>
        <source>                                   Increases in EDV and contractility will increase PIP</source>
        <translation>                                   Zunahmen von EDV und Kontraktilität erhöhen den PIP</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="41"/>
        <source>PIP line..................   Shows the relationship between PIP and EDV and is also called the</source>
        <translation>PIP-Linie..................  Beziehung zwischen PIP und EDV, auch endsystolische</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="42"/>
        <source>                                   end-systolic pressure-volume relation. ESP falls on the PIP line.</source>
        <translation>                                   Druck-Volumen-Beziehung genannt. Der ESD liegt auf der PIP-Linie.</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="43"/>
        <source>Preload..................   Ventricular volume at onset of ventricular systole. At the muscle</source>
        <translation>Vorlast.....................  Ventrikelvolumen zu Beginn der Ventrikelsystole. Auf Ebene der</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="44"/>
        <source>                                   cell level, it is the sarcomere stretch; in the intact ventricle it is</source>
        <translation>                                   Muskelzelle ist sie die Sarkomerdehnung; im intakten Ventrikel wird sie</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="45"/>
        <source>                                   best represented by EDV. Increased preload increases SV.</source>
        <translation>                                   am besten durch das EDV abgebildet. Mehr Vorlast erhöht das SV.</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="46"/>
        <source>Pulse Pressure......    Difference between systolic and diastolic pressures.</source>
        <translation>Pulsdruck................  Differenz zwischen systolischem und diastolischem Druck.</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="47"/>
        <source>RAP.......................... Right Atrial Pressure; mean value of RAP is slightly less than CVP</source>
        <translation>RAD..........................  Rechtsatrialer Druck; Mittelwert des RAD etwas niedriger als der ZVD</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="48"/>
        <source>SV...........................   Stroke Volume = volume ejected from ventricle per beat = EDV - ESV</source>
        <translation>SV.............................  Schlagvolumen = pro Schlag ausgeworfenes Volumen = EDV - ESV</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="49"/>
        <source>Stroke Work...........    Mechanical work done by the heart per beat = SV x MAP</source>
        <translation>Schlagarbeit............  Mechanische Arbeit des Herzens pro Schlag = SV x MAD</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="50"/>
        <source>Systole .................     Interval during which ventricle is contracting</source>
        <translation>Systole.....................  Zeitraum, in dem der Ventrikel kontrahiert</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="51"/>
        <source>Systolic Pressure...    Maximum aortic pressure during a cardiac cycle</source>
        <translation>Systol. Druck...........  Maximaler Aortendruck während eines Herzzyklus</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="52"/>
        <source>TPR ......................     Total Peripheral Resistance. TPR = (MAP - CVP) / CO</source>
        <translation>TPR..........................  Totaler peripherer Widerstand. TPR = (MAD - ZVD) / HZV</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="53"/>
        <source>                                   total vascular resistance presented to the left ventricle</source>
        <translation>                                   Gesamter Gefäßwiderstand, gegen den der linke Ventrikel auswirft</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="54"/>
        <source>                                   The slope of the VFC is inversely proportional to TPR</source>
        <translation>                                   Die Steigung der GFK ist umgekehrt proportional zum TPR</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="55"/>
        <source>Venous Return ......   Term for blood flow returning from systemic veins to the heart</source>
        <translation>Ven. Rückstrom......  Blutfluss, der aus den systemischen Venen zum Herzen zurückkehrt</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="56"/>
        <source>                                   Note that average venous return is equal to average cardiac output</source>
        <translation>                                   Der mittlere venöse Rückstrom ist gleich dem mittleren Herzzeitvolumen</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="57"/>
        <source>VFC..........................  Vascular Function Curve: Relates venous return to CVP or RAP</source>
        <translation>GFK..........................  Gefäßfunktionskurve: Beziehung des venösen Rückstroms zu ZVD oder RAD</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="58"/>
        <source>                                   Also called the Venous Return Curve and Venous Pressure Curve</source>
        <translation>                                   Auch Kurve des venösen Rückstroms oder Venendruckkurve genannt</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="72"/>
        <source>Abbreviations, definitions and formulas</source>
        <translation>Abkürzungen, Definitionen und Formeln</translation>
    </message>
    <message>
        <location filename="../src/reference/Instructions.cpp" line="12"/>
        <source> </source>
        <translation> </translation>
    </message>
    <message>
        <location filename="../src/reference/Instructions.cpp" line="13"/>
        <source>  This interactive learning module consists of five major segments </source>
        <translation>  Dieses interaktive Lernmodul besteht aus fünf Hauptteilen </translation>
    </message>
    <message>
        <location filename="../src/reference/Instructions.cpp" line="15"/>
        <source>  1.    CARDIAC FUNCTION CURVES (CFC) in which their main features are introduced </source>
        <translation>  1.    HERZFUNKTIONSKURVEN (HFK): Einführung in ihre wesentlichen Merkmale </translation>
    </message>
    <message>
        <location filename="../src/reference/Instructions.cpp" line="17"/>
        <source>  2.    VASCULAR FUNCTION CURVES (VFC) in which their main features are introduced </source>
        <translation>  2.    GEFÄSSFUNKTIONSKURVEN (GFK): Einführung in ihre wesentlichen Merkmale </translation>
    </message>
    <message>
        <location filename="../src/reference/Instructions.cpp" line="18"/>
        <source>          and the relationship between Vascular and Cardiac Functions are explained</source>
        <translation>          und Erläuterung der Beziehung zwischen Gefäß- und Herzfunktion</translation>
    </message>
    <message>
        <location filename="../src/reference/Instructions.cpp" line="20"/>
        <source>  3.    INTERACTIONS AND CHANGES in which both Cardiac and Vascular Function curves </source>
        <translation>  3.    INTERAKTIONEN UND VERÄNDERUNGEN: Herz- und Gefäßfunktionskurven </translation>
    </message>
    <message>
        <location filename="../src/reference/Instructions.cpp" line="21"/>
        <source>         are used to examine and interpret changes in function.</source>
        <translation>         dienen zur Untersuchung und Deutung von Funktionsänderungen.</translation>
    </message>
    <message>
        <location filename="../src/reference/Instructions.cpp" line="23"/>
        <source>  4.    GLOSSARY wiht abbreviations and definitions</source>
        <translation>  4.    GLOSSAR mit Abkürzungen und Definitionen</translation>
    </message>
    <message>
        <location filename="../src/reference/Instructions.cpp" line="25"/>
        <source>  5.    TEST which provides you the opportunity to evaluate your understanding</source>
        <translation>  5.    TEST: Hier können Sie Ihr Verständnis überprüfen, und zwar mit einem</translation>
    </message>
    <message>
        <location filename="../src/reference/Instructions.cpp" line="26"/>
        <source>          by taking a multiple choice practice test with explanations of answers.</source>
        <translation>          Multiple-Choice-Übungstest mit Erläuterungen zu den Antworten.</translation>
    </message>
    <message>
        <location filename="../src/reference/Instructions.cpp" line="28"/>
        <source>  To begin, we recommend that you start by clicking on Cardiac Function Curves.</source>
        <translation>  Zum Einstieg empfehlen wir, auf »Herzfunktionskurven« zu klicken.</translation>
    </message>
    <message>
        <location filename="../src/reference/Instructions.cpp" line="30"/>
        <source> Those of you who are already familiar with the material may choose to proceed directly to </source>
        <translation> Wer mit dem Stoff bereits vertraut ist, kann auch direkt zum Test übergehen. </translation>
    </message>
    <message>
        <location filename="../src/reference/Instructions.cpp" line="31"/>
        <source>  the test. It and its explanations should provide you with excellent practice and preparation. </source>
        <translation>  Der Test und seine Erläuterungen bieten eine ausgezeichnete Übung und Vorbereitung. </translation>
    </message>
    <message>
        <location filename="../src/reference/Instructions.cpp" line="40"/>
        <source>How to use this learning module</source>
        <translation>So benutzen Sie dieses Lernmodul</translation>
    </message>
</context>
<context>
    <name>Test</name>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="10"/>
        <source>1. Which operating point corresponds to the greatest cardiac output?</source>
        <translation>1. Welcher Arbeitspunkt entspricht dem größten Herzzeitvolumen?</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="11"/>
        <location filename="../src/practice/QuestionBank.cpp" line="23"/>
        <source>a. 1</source>
        <translation>a. 1</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="12"/>
        <location filename="../src/practice/QuestionBank.cpp" line="24"/>
        <location filename="../src/practice/QuestionBank.cpp" line="173"/>
        <location filename="../src/practice/QuestionBank.cpp" line="187"/>
        <location filename="../src/practice/QuestionBank.cpp" line="202"/>
        <location filename="../src/practice/QuestionBank.cpp" line="230"/>
        <source>b. 2</source>
        <translation>b. 2</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="13"/>
        <location filename="../src/practice/QuestionBank.cpp" line="25"/>
        <location filename="../src/practice/QuestionBank.cpp" line="174"/>
        <location filename="../src/practice/QuestionBank.cpp" line="188"/>
        <source>c. 3</source>
        <translation>c. 3</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="14"/>
        <location filename="../src/practice/QuestionBank.cpp" line="26"/>
        <source>d. 6</source>
        <translation>d. 6</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="15"/>
        <location filename="../src/practice/QuestionBank.cpp" line="27"/>
        <source>e. 8</source>
        <translation>e. 8</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="17"/>
        <location filename="../src/practice/QuestionBank.cpp" line="29"/>
        <location filename="../src/practice/QuestionBank.cpp" line="43"/>
        <location filename="../src/practice/QuestionBank.cpp" line="60"/>
        <location filename="../src/practice/QuestionBank.cpp" line="77"/>
        <location filename="../src/practice/QuestionBank.cpp" line="89"/>
        <location filename="../src/practice/QuestionBank.cpp" line="103"/>
        <location filename="../src/practice/QuestionBank.cpp" line="121"/>
        <location filename="../src/practice/QuestionBank.cpp" line="140"/>
        <location filename="../src/practice/QuestionBank.cpp" line="153"/>
        <location filename="../src/practice/QuestionBank.cpp" line="165"/>
        <location filename="../src/practice/QuestionBank.cpp" line="192"/>
        <location filename="../src/practice/QuestionBank.cpp" line="207"/>
        <location filename="../src/practice/QuestionBank.cpp" line="222"/>
        <location filename="../src/practice/QuestionBank.cpp" line="235"/>
        <location filename="../src/practice/QuestionBank.cpp" line="246"/>
        <location filename="../src/practice/QuestionBank.cpp" line="260"/>
        <location filename="../src/practice/QuestionBank.cpp" line="277"/>
        <location filename="../src/practice/QuestionBank.cpp" line="296"/>
        <source>CORRECT!</source>
        <translation>RICHTIG!</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="18"/>
        <source>Correct! The cardiac output at operating point 3 is the largest with a magnitude of about 9 liters/minute. Note that the question asks about the value at an operating point, not about the largest value reached anywhere on the graph; some curves reach higher. </source>
        <translation>Richtig! Das Herzzeitvolumen ist im Arbeitspunkt 3 am größten; es beträgt dort etwa 9 l/min. Beachten Sie, dass nach dem Wert in einem Arbeitspunkt gefragt ist, nicht nach dem größten Wert, der irgendwo im Diagramm erreicht wird; manche Kurven reichen höher. </translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="22"/>
        <source>2. Which operating point corresponds to the greatest CVP?</source>
        <translation>2. Welcher Arbeitspunkt entspricht dem höchsten ZVD?</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="30"/>
        <source>Correct! The operating point with the highest value of central venous pressure is point 8. CVP there is just under 5 mmHg, the highest of all the points. CVP is an index of the input pressure to the heart: normally a rise in CVP increases stroke volume through the Frank-Starling mechanism. In a failing heart, however, a raised CVP may instead reflect a reduced pumping capacity, as blood backs up behind a weakened ventricle.</source>
        <translation>Richtig! Der Arbeitspunkt mit dem höchsten zentralen Venendruck ist Punkt 8. Der ZVD liegt dort knapp unter 5 mmHg, höher als in allen anderen Punkten. Der ZVD ist ein Maß für den Eingangsdruck des Herzens: Normalerweise erhöht ein Anstieg des ZVD über den Frank-Starling-Mechanismus das Schlagvolumen. Bei einem insuffizienten Herzen kann ein erhöhter ZVD dagegen eine verminderte Pumpleistung widerspiegeln, weil sich das Blut vor einem geschwächten Ventrikel staut.</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="36"/>
        <source>3. As compared to the control vascular function curve, curve C indicates that</source>
        <translation>3. Im Vergleich zur Kontroll-Gefäßfunktionskurve zeigt Kurve C, dass</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="37"/>
        <location filename="../src/practice/QuestionBank.cpp" line="83"/>
        <source>a. TPR is reduced</source>
        <translation>a. der TPR vermindert ist</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="38"/>
        <location filename="../src/practice/QuestionBank.cpp" line="84"/>
        <source>b. Blood volume is reduced</source>
        <translation>b. das Blutvolumen vermindert ist</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="39"/>
        <location filename="../src/practice/QuestionBank.cpp" line="85"/>
        <source>c. Compliance is reduced</source>
        <translation>c. die Compliance vermindert ist</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="40"/>
        <location filename="../src/practice/QuestionBank.cpp" line="86"/>
        <source>d. Cardiac contractility is reduced</source>
        <translation>d. die kardiale Kontraktilität vermindert ist</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="41"/>
        <location filename="../src/practice/QuestionBank.cpp" line="58"/>
        <location filename="../src/practice/QuestionBank.cpp" line="75"/>
        <location filename="../src/practice/QuestionBank.cpp" line="87"/>
        <source>e. Cardiac contractility is increased</source>
        <translation>e. die kardiale Kontraktilität erhöht ist</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="44"/>
        <source>Correct! The vascular function curve represented by curve C has a greater slope (8-5-3) than that of the slope of the control VFC (7-S-2). A greater slope means a lower total peripheral resistance (TPR). With less TPR, less pressure is lost across the arterioles for the same cardiac output, so the central venous pressure is higher at any CO and the curve is steeper. Changes in blood volume or in compliance only move the VFC to the left or to the right without changing its slope, so they cannot explain curve C. Changes in cardiac contractility act only on the cardiac function curve and do not alter the vascular function curve at all.</source>
        <translation>Richtig! Die durch Kurve C dargestellte Gefäßfunktionskurve hat eine größere Steigung (8-5-3) als die Kontroll-GFK (7-S-2). Eine größere Steigung bedeutet einen niedrigeren totalen peripheren Widerstand (TPR). Bei kleinerem TPR geht für dasselbe Herzzeitvolumen weniger Druck über den Arteriolen verloren, sodass der zentrale Venendruck bei jedem HZV höher und die Kurve steiler ist. Änderungen des Blutvolumens oder der Compliance verschieben die GFK nur nach links oder rechts, ohne ihre Steigung zu ändern, und können Kurve C daher nicht erklären. Änderungen der kardialen Kontraktilität wirken nur auf die Herzfunktionskurve und verändern die Gefäßfunktionskurve überhaupt nicht.</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="53"/>
        <source>4. As compared to the control vascular function curve, curve D indicates that</source>
        <translation>4. Im Vergleich zur Kontroll-Gefäßfunktionskurve zeigt Kurve D, dass</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="54"/>
        <source>a. TPR is increased</source>
        <translation>a. der TPR erhöht ist</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="55"/>
        <location filename="../src/practice/QuestionBank.cpp" line="72"/>
        <source>b. TPR is decreased</source>
        <translation>b. der TPR vermindert ist</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="56"/>
        <location filename="../src/practice/QuestionBank.cpp" line="73"/>
        <source>c. Blood volume is increased</source>
        <translation>c. das Blutvolumen erhöht ist</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="57"/>
        <location filename="../src/practice/QuestionBank.cpp" line="74"/>
        <source>d. Blood volume is decreased</source>
        <translation>d. das Blutvolumen vermindert ist</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="61"/>
        <source>Correct! The vascular function curve represented by curve D demonstrates either a reduction in blood volume or an increase in compliance, but the latter is not offered as a choice. Curve D is moved to the left of the control curve but keeps the same slope, so TPR is unchanged and both of the TPR choices are wrong. The shift comes from a lower mean circulatory pressure, read where the curve meets the CVP axis; here that is explained by a reduced blood volume. An increased blood volume would instead have raised that pressure and moved the curve to the right. Changes in cardiac contractility act only on the cardiac function curve, so they cannot account for a change in the VFC.</source>
        <translation>Richtig! Kurve D zeigt entweder eine Abnahme des Blutvolumens oder eine Zunahme der Compliance; Letztere steht jedoch nicht zur Auswahl. Kurve D ist gegenüber der Kontrollkurve nach links verschoben, hat aber dieselbe Steigung; der TPR ist also unverändert, und beide TPR-Antworten sind falsch. Die Verschiebung beruht auf einem niedrigeren mittleren Kreislauffüllungsdruck (Schnittpunkt der Kurve mit der ZVD-Achse), hier erklärt durch ein vermindertes Blutvolumen. Ein erhöhtes Blutvolumen hätte diesen Druck erhöht und die Kurve nach rechts verschoben. Änderungen der Kontraktilität wirken nur auf die Herzfunktionskurve und können eine Änderung der GFK nicht erklären.</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="70"/>
        <source>5. As compared to the control cardiac function curve, curve A indicates that </source>
        <translation>5. Im Vergleich zur Kontroll-Herzfunktionskurve zeigt Kurve A, dass </translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="71"/>
        <source>a. TPR is increased </source>
        <translation>a. der TPR erhöht ist </translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="78"/>
        <source>Correct! Curve A is a cardiac function curve that is affected by cardiac contractility. An increase in contractility results in a greater cardiac output for any level of central venous pressure. All other choices affect the vascular function curve.</source>
        <translation>Richtig! Kurve A ist eine Herzfunktionskurve, die von der kardialen Kontraktilität beeinflusst wird. Eine Zunahme der Kontraktilität führt bei jedem zentralen Venendruck zu einem größeren Herzzeitvolumen. Alle anderen Antworten betreffen die Gefäßfunktionskurve.</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="82"/>
        <source>6. As compared to control cardiac function curve, curve B indicates that</source>
        <translation>6. Im Vergleich zur Kontroll-Herzfunktionskurve zeigt Kurve B, dass</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="90"/>
        <source>Correct! Curve B represents a cardiac function curve with a reduced contractility as compared to the control curve. CO on curve B is lower at every CVP. A reduced contractility can be physiological, as when sympathetic drive to the myocardium falls. It can also be pathological: it may arise acutely, as with a myocardial infarction, or develop over time, as in chronic heart disease.   </source>
        <translation>Richtig! Kurve B stellt eine Herzfunktionskurve mit gegenüber der Kontrollkurve verminderter Kontraktilität dar. Das HZV auf Kurve B ist bei jedem ZVD niedriger. Eine verminderte Kontraktilität kann physiologisch sein, etwa wenn der Sympathikusantrieb des Myokards abnimmt. Sie kann auch pathologisch sein: Sie kann akut entstehen, etwa bei einem Myokardinfarkt, oder sich allmählich entwickeln, etwa bei einer chronischen Herzerkrankung.   </translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="96"/>
        <source>7. As compared to the control cardiac function curve,curve A could result from</source>
        <translation>7. Im Vergleich zur Kontroll-Herzfunktionskurve könnte Kurve A entstehen durch</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="97"/>
        <source>a. an increase in blood volume </source>
        <translation>a. eine Zunahme des Blutvolumens </translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="98"/>
        <source>b. an increase in TPR </source>
        <translation>b. eine Zunahme des TPR </translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="99"/>
        <source>c. a positive inotropic drug </source>
        <translation>c. ein positiv inotropes Medikament </translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="100"/>
        <source>d. a negative inotropic drug </source>
        <translation>d. ein negativ inotropes Medikament </translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="101"/>
        <source>e. a decrease in sympathetic activity to the myocardium </source>
        <translation>e. eine Abnahme der sympathischen Aktivität am Myokard </translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="104"/>
        <source>Correct! Curve A represents an increase in cardiac contractility. An increase in blood volume or in TPR acts on the vascular function curve, not on the cardiac function curve, so neither of them can produce curve A. A positive inotropic drug raises contractility by definition, and it is the right choice. A negative inotropic drug and a decrease in sympathetic activity to the myocardium would both lower contractility and move the curve down, as curve B shows, rather than up as curve A does. The term &apos;inotropy&apos; is essentially another word for contractility: a positive inotropic effect is an increase in contractility, and a negative inotropic effect is a decrease in it. </source>
        <translation>Richtig! Kurve A zeigt eine Zunahme der kardialen Kontraktilität. Mehr Blutvolumen oder ein höherer TPR wirken auf die Gefäßfunktionskurve, nicht auf die Herzfunktionskurve, und können Kurve A daher nicht hervorrufen. Ein positiv inotropes Medikament erhöht definitionsgemäß die Kontraktilität und ist die richtige Antwort. Ein negativ inotropes Medikament und eine Abnahme der sympathischen Aktivität am Myokard würden die Kontraktilität senken und die Kurve nach unten verschieben (wie Kurve B), nicht nach oben wie Kurve A. »Inotropie« ist im Wesentlichen ein anderes Wort für Kontraktilität: Positiv inotrop heißt kontraktilitätssteigernd, negativ inotrop kontraktilitätssenkend. </translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="114"/>
        <source>8. As compared to the control venous return curve, curve C could result from</source>
        <translation>8. Im Vergleich zur Kontrollkurve des venösen Rückstroms könnte Kurve C entstehen durch</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="115"/>
        <source>a. an increase in sympathetic activity to peripheral arterioles</source>
        <translation>a. eine Zunahme der sympathischen Aktivität an den peripheren Arteriolen</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="116"/>
        <source>b. a selective peripheral arteriole alpha-adrenergic blocking agent</source>
        <translation>b. einen selektiven alpha-adrenergen Blocker an den peripheren Arteriolen</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="117"/>
        <source>c. a cardioselective beta-adrenergic agonist</source>
        <translation>c. einen kardioselektiven beta-adrenergen Agonisten</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="118"/>
        <source>d. a significant rapid loss of blood volume</source>
        <translation>d. einen erheblichen, raschen Verlust an Blutvolumen</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="119"/>
        <source>e. a positive inotropic drug</source>
        <translation>e. ein positiv inotropes Medikament</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="122"/>
        <source>Correct!  Curve C is a vascular function curve (also called venous return curve) that has a greater slope than the control curve. A steeper VFC means a lower total peripheral resistance. Of the choices, only the selective alpha-adrenergic blocking agent explains it: by blocking the sympathetic constriction of the peripheral arterioles it causes vasodilation and lowers TPR. An increase in sympathetic activity to the arterioles would constrict them and flatten the curve. A rapid loss of blood would lower the mean circulatory pressure and move the VFC to the left without a change in slope. A cardioselective beta agonist and a positive inotropic drug act on the heart and would change the cardiac function curve, not the VFC. </source>
        <translation>Richtig!  Kurve C ist eine Gefäßfunktionskurve (auch Kurve des venösen Rückstroms genannt), die steiler verläuft als die Kontrollkurve. Eine steilere GFK bedeutet einen niedrigeren TPR. Von den Antworten erklärt dies nur der selektive Alpha-Blocker: Er hebt die sympathische Konstriktion der peripheren Arteriolen auf, bewirkt so eine Vasodilatation und senkt den TPR. Mehr sympathische Aktivität an den Arteriolen würde diese verengen und die Kurve abflachen. Ein rascher Blutverlust würde den mittleren Kreislauffüllungsdruck senken und die GFK ohne Änderung der Steigung nach links verschieben. Ein kardioselektiver Beta-Agonist und ein positiv inotropes Medikament wirken am Herzen und verändern die Herzfunktionskurve, nicht die GFK. </translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="133"/>
        <source>9. Compared to the control venous return curve, curve D indicates</source>
        <translation>9. Im Vergleich zur Kontrollkurve des venösen Rückstroms zeigt Kurve D</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="134"/>
        <location filename="../src/practice/QuestionBank.cpp" line="147"/>
        <source>a. a decrease in cardiac contractility</source>
        <translation>a. eine Abnahme der kardialen Kontraktilität</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="135"/>
        <location filename="../src/practice/QuestionBank.cpp" line="148"/>
        <source>b. a decrease in venous compliance</source>
        <translation>b. eine Abnahme der venösen Compliance</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="136"/>
        <location filename="../src/practice/QuestionBank.cpp" line="149"/>
        <source>c. an increase in blood volume due to over-transfusion</source>
        <translation>c. eine Zunahme des Blutvolumens durch Übertransfusion</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="137"/>
        <location filename="../src/practice/QuestionBank.cpp" line="150"/>
        <source>d. a decrease in TPR due to peripheral arteriole vasodilation</source>
        <translation>d. eine Abnahme des TPR durch Vasodilatation der peripheren Arteriolen</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="138"/>
        <source>e. a decrease in sympathetic activity to the veins</source>
        <translation>e. eine Abnahme der sympathischen Aktivität an den Venen</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="141"/>
        <source>Correct! The only choice that could explain the left shift in the vascular function curve, without a change in slope, is a decrease in sympathetic activity to the veins. Less sympathetic activity lowers the tone of venous smooth muscle and raises venous compliance, so the veins hold more blood. The mean circulatory pressure then falls, because vascular filling is smaller relative to capacity.  </source>
        <translation>Richtig! Die einzige Antwort, die die Linksverschiebung der Gefäßfunktionskurve ohne Änderung der Steigung erklären kann, ist eine Abnahme der sympathischen Aktivität an den Venen. Weniger sympathische Aktivität senkt den Tonus der glatten Venenmuskulatur und erhöht die venöse Compliance, sodass die Venen mehr Blut aufnehmen. Der mittlere Kreislauffüllungsdruck sinkt dann, weil die Gefäßfüllung im Verhältnis zur Kapazität kleiner ist.  </translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="146"/>
        <source>10. Compared to the control vascular function curve, curve C indicates</source>
        <translation>10. Im Vergleich zur Kontroll-Gefäßfunktionskurve zeigt Kurve C</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="151"/>
        <source>e. an increase in sympathetic activity to the veins</source>
        <translation>e. eine Zunahme der sympathischen Aktivität an den Venen</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="154"/>
        <source>Correct! The only choice that could explain the increased slope of curve C compared to the control VFC is a decrease in total peripheral resistance. Volume and compliance changes only move the VFC to the right or left, without changing its slope at all.   </source>
        <translation>Richtig! Die einzige Antwort, die die größere Steigung von Kurve C gegenüber der Kontroll-GFK erklären kann, ist eine Abnahme des totalen peripheren Widerstands. Volumen- und Compliance-Änderungen verschieben die GFK nur nach rechts oder links, ohne ihre Steigung überhaupt zu verändern.   </translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="158"/>
        <source>11. Starting at S, what is the new operating point if just cardiac contractility decreases?</source>
        <translation>11. Ausgehend von S: Wo liegt der neue Arbeitspunkt, wenn nur die kardiale Kontraktilität abnimmt?</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="159"/>
        <location filename="../src/practice/QuestionBank.cpp" line="172"/>
        <location filename="../src/practice/QuestionBank.cpp" line="186"/>
        <location filename="../src/practice/QuestionBank.cpp" line="201"/>
        <location filename="../src/practice/QuestionBank.cpp" line="216"/>
        <location filename="../src/practice/QuestionBank.cpp" line="229"/>
        <source>a.1</source>
        <translation>a. 1</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="160"/>
        <location filename="../src/practice/QuestionBank.cpp" line="217"/>
        <source>b. 4</source>
        <translation>b. 4</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="161"/>
        <location filename="../src/practice/QuestionBank.cpp" line="218"/>
        <source>c. 6</source>
        <translation>c. 6</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="162"/>
        <location filename="../src/practice/QuestionBank.cpp" line="219"/>
        <source>d. 7 </source>
        <translation>d. 7 </translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="163"/>
        <location filename="../src/practice/QuestionBank.cpp" line="176"/>
        <location filename="../src/practice/QuestionBank.cpp" line="190"/>
        <location filename="../src/practice/QuestionBank.cpp" line="220"/>
        <source>e. 8 </source>
        <translation>e. 8 </translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="166"/>
        <source>Correct! If only contractility changes, then the vascular function curve remains the same. The new operating point lies where the new cardiac function curve (curve B) meets the old vascular function curve, which is point 7. The weaker heart pumps less with each beat, so blood backs up on the venous side. Compared with S, point 7 has a lower cardiac output and a higher central venous pressure.  </source>
        <translation>Richtig! Ändert sich nur die Kontraktilität, bleibt die Gefäßfunktionskurve gleich. Der neue Arbeitspunkt liegt dort, wo die neue Herzfunktionskurve (Kurve B) die alte Gefäßfunktionskurve schneidet, also in Punkt 7. Das geschwächte Herz fördert mit jedem Schlag weniger, sodass sich das Blut auf der venösen Seite staut. Verglichen mit S hat Punkt 7 ein niedrigeres Herzzeitvolumen und einen höheren zentralen Venendruck.  </translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="171"/>
        <source>12. Starting at S, what is the new operating point if just cardiac contractility increases?</source>
        <translation>12. Ausgehend von S: Wo liegt der neue Arbeitspunkt, wenn nur die kardiale Kontraktilität zunimmt?</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="175"/>
        <location filename="../src/practice/QuestionBank.cpp" line="189"/>
        <source>d. 5 </source>
        <translation>d. 5 </translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="178"/>
        <source>CORRECT! </source>
        <translation>RICHTIG! </translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="179"/>
        <source>Correct! If only contractility increases, then the vascular function curve remains the same. The new operating point therefore lies where the new cardiac function curve (curve A) meets the old vascular function curve, which is point 2. Compared with point S, point 2 has a higher cardiac output with a lower central venous pressure: the heart pumps more blood even though its filling pressure is lower, because each beat is more forceful and the ventricle is emptied more completely. </source>
        <translation>Richtig! Nimmt nur die Kontraktilität zu, bleibt die Gefäßfunktionskurve gleich. Der neue Arbeitspunkt liegt daher dort, wo die neue Herzfunktionskurve (Kurve A) die alte Gefäßfunktionskurve schneidet, also in Punkt 2. Verglichen mit Punkt S hat Punkt 2 ein höheres Herzzeitvolumen bei niedrigerem zentralem Venendruck: Das Herz fördert mehr Blut, obwohl sein Füllungsdruck niedriger ist, weil jeder Schlag kräftiger ist und der Ventrikel sich vollständiger entleert. </translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="185"/>
        <source>13. Starting at S, what is the new operating point if sympathetic activity only to arterioles decreases</source>
        <translation>13. Ausgehend von S: Wo liegt der neue Arbeitspunkt, wenn nur die Sympathikusaktivität an den Arteriolen abnimmt?</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="193"/>
        <source>Correct! If the only change that occurs is a decrease in sympathtetic activity to arterioles then there will be a reduction in total peripheral resistance. A lower TPR steepens the vascular function curve without moving the mean systemic pressure, where the curve crosses the horizontal axis; curve C is the new VFC. Since there is no sympathetic change at the heart, the cardiac function curve stays the same. The new operating point is where curve C meets the control cardiac function curve, which is point 5, with a higher output than S. </source>
        <translation>Richtig! Ist die einzige Änderung eine Abnahme der sympathischen Aktivität an den Arteriolen, so sinkt der totale periphere Widerstand. Ein niedrigerer TPR macht die Gefäßfunktionskurve steiler, ohne den mittleren systemischen Füllungsdruck zu verschieben, also den Punkt, an dem die Kurve die waagerechte Achse schneidet; Kurve C ist die neue GFK. Da sich die sympathische Aktivität am Herzen nicht ändert, bleibt die Herzfunktionskurve gleich. Der neue Arbeitspunkt liegt dort, wo Kurve C die Kontroll-Herzfunktionskurve schneidet, also in Punkt 5, mit einem höheren HZV als in S. </translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="200"/>
        <source>14. Starting at S, what is the new operating point if only blood volume is reduced?</source>
        <translation>14. Ausgehend von S: Wo liegt der neue Arbeitspunkt, wenn nur das Blutvolumen abnimmt?</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="203"/>
        <location filename="../src/practice/QuestionBank.cpp" line="231"/>
        <source>c. 4</source>
        <translation>c. 4</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="204"/>
        <location filename="../src/practice/QuestionBank.cpp" line="232"/>
        <source>d. 6 </source>
        <translation>d. 6 </translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="205"/>
        <location filename="../src/practice/QuestionBank.cpp" line="233"/>
        <source>e. 7 </source>
        <translation>e. 7 </translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="208"/>
        <source>Correct! The effect of decreasing blood volume is to reduce vascular filling in relation to its capacity. The mean systemic pressure, the pressure that would be found everywhere in the vessels at zero cardiac output, therefore falls. The VFC&apos;s crossing of the x-axis moves to the left, and curve D is the new vascular function curve. With the heart itself unchanged, the new operating point is where curve D meets the control CFC, which is point 4.</source>
        <translation>Richtig! Eine Abnahme des Blutvolumens verringert die Gefäßfüllung im Verhältnis zur Kapazität. Der mittlere systemische Füllungsdruck, also der Druck, der bei einem Herzzeitvolumen von null überall in den Gefäßen herrschen würde, sinkt daher. Der Schnittpunkt der GFK mit der x-Achse wandert nach links, und Kurve D ist die neue Gefäßfunktionskurve. Da das Herz selbst unverändert ist, liegt der neue Arbeitspunkt dort, wo Kurve D die Kontroll-HFK schneidet, also in Punkt 4.</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="215"/>
        <source>15. Starting at S, what is the new operating point if sympathetic activity to heart AND arterioles decrease?</source>
        <translation>15. Ausgehend von S: Wo liegt der neue Arbeitspunkt, wenn die Sympathikusaktivität an Herz UND Arteriolen abnimmt?</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="223"/>
        <source>Correct! A decrease in sympathetic activity to the heart reduces contractility so the new cardiac function curve is curve B. Less sympathetic activity to the arterioles dilates them and lowers total peripheral resistance, so the steeper curve C becomes the new vascular function curve. The new operating point is where these two curves cross, which is point 8. </source>
        <translation>Richtig! Eine Abnahme der sympathischen Aktivität am Herzen senkt die Kontraktilität, sodass Kurve B die neue Herzfunktionskurve ist. Weniger sympathische Aktivität an den Arteriolen erweitert diese und senkt den totalen peripheren Widerstand, sodass die steilere Kurve C zur neuen Gefäßfunktionskurve wird. Der neue Arbeitspunkt liegt im Schnittpunkt dieser beiden Kurven, also in Punkt 8. </translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="228"/>
        <source>16. Starting at S, what is the new operating point if blood volume AND cardiac contractility decrease?</source>
        <translation>16. Ausgehend von S: Wo liegt der neue Arbeitspunkt, wenn Blutvolumen UND kardiale Kontraktilität abnehmen?</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="236"/>
        <source>Correct! A decrease in contractility results in a depressed cardiac function curve (curve B) and a decrease in blood volume shifts the vascular function to the left (curve D). The new operating point is the intersection of the two new curves, which is point 6, with a lower CO.</source>
        <translation>Richtig! Eine Abnahme der Kontraktilität führt zu einer nach unten verschobenen Herzfunktionskurve (Kurve B), und eine Abnahme des Blutvolumens verschiebt die Gefäßfunktionskurve nach links (Kurve D). Der neue Arbeitspunkt ist der Schnittpunkt der beiden neuen Kurven, also Punkt 6, mit einem niedrigeren HZV.</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="239"/>
        <source>17. If a patient were initially operating at point 6, what would move her to point S? </source>
        <translation>17. Eine Patientin befindet sich anfangs im Arbeitspunkt 6. Was würde sie zu Punkt S bringen? </translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="240"/>
        <location filename="../src/practice/QuestionBank.cpp" line="254"/>
        <source>a. An increase in cardiac contractility</source>
        <translation>a. Eine Zunahme der kardialen Kontraktilität</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="241"/>
        <location filename="../src/practice/QuestionBank.cpp" line="255"/>
        <source>b. An increase in cardiac contractility AND a transfusion</source>
        <translation>b. Eine Zunahme der kardialen Kontraktilität UND eine Transfusion</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="242"/>
        <location filename="../src/practice/QuestionBank.cpp" line="256"/>
        <source>c. A vasodilator drug AND a transfusion</source>
        <translation>c. Ein Vasodilatator UND eine Transfusion</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="243"/>
        <location filename="../src/practice/QuestionBank.cpp" line="257"/>
        <source>d. An increase in cardiac contractility AND a vasoconstricting drug</source>
        <translation>d. Eine Zunahme der kardialen Kontraktilität UND ein Vasokonstriktor</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="244"/>
        <source>e. A single vasoconstrictor drug</source>
        <translation>e. Ein Vasokonstriktor allein</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="247"/>
        <source>Correct! For the choices given, In order for there to be a possibility of moving the patient&apos;s operating point to point S from point 6, there needs to be an increase in both cardiac contractility and blood volume. Point 6 lies where the depressed cardiac function curve B meets the shifted venous return curve D. A rise in contractility with a fall in TPR, steepening the VFC until it meets the control cardiac function curve at S, would also serve, but it is not among the choices. </source>
        <translation>Richtig! Von den gegebenen Antworten kann nur eine Zunahme sowohl der kardialen Kontraktilität als auch des Blutvolumens den Arbeitspunkt der Patientin von Punkt 6 nach Punkt S verschieben. Punkt 6 liegt dort, wo die nach unten verschobene Herzfunktionskurve B die verschobene Kurve D des venösen Rückstroms schneidet. Eine Zunahme der Kontraktilität zusammen mit einer Abnahme des TPR, die die GFK so weit steiler macht, bis sie die Kontroll-Herzfunktionskurve in S schneidet, wäre ebenfalls geeignet, steht aber nicht zur Auswahl. </translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="253"/>
        <source>18. If a patient were initially operating at point 8, what would move him to point S? .</source>
        <translation>18. Ein Patient befindet sich anfangs im Arbeitspunkt 8. Was würde ihn zu Punkt S bringen?</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="258"/>
        <source>e. A potent peripheral acting vasoconstrictor drug</source>
        <translation>e. Ein stark peripher wirkender Vasokonstriktor</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="261"/>
        <source>Correct! For the choices given, In order for there to be a possibility of moving the patient&apos;s operating point to point S from point 8, there needs to be an increase in cardiac contractility and an increase in total peripheral resistance that would be caused by the stated increase in vasoconstriction. Point 8 lies where the depressed cardiac function curve B meets the steeper vascular function curve C. A rise in contractility with a fall in blood volume or a rise in venous compliance, moving the VFC to the left until it meets the control cardiac function curve at S, would also serve, but it is not among the choices. </source>
        <translation>Richtig! Von den gegebenen Antworten kann nur eine Zunahme der kardialen Kontraktilität zusammen mit einer Zunahme des totalen peripheren Widerstands, wie sie die genannte Vasokonstriktion bewirkt, den Arbeitspunkt des Patienten von Punkt 8 nach Punkt S verschieben. Punkt 8 liegt dort, wo die nach unten verschobene Herzfunktionskurve B die steilere Gefäßfunktionskurve C schneidet. Eine Zunahme der Kontraktilität zusammen mit einer Abnahme des Blutvolumens oder einer Zunahme der venösen Compliance, die die GFK so weit nach links verschiebt, bis sie die Kontroll-Herzfunktionskurve in S schneidet, wäre ebenfalls geeignet, steht aber nicht zur Auswahl. </translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="270"/>
        <source>19. Which of the following most directly determines movement along any SINGLE cardiac function curve?</source>
        <translation>19. Was bestimmt am unmittelbarsten die Bewegung entlang EINER EINZELNEN Herzfunktionskurve?</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="271"/>
        <source>a. Cardiac contractility</source>
        <translation>a. Kardiale Kontraktilität</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="272"/>
        <source>b. Frank-Starling mechanism</source>
        <translation>b. Frank-Starling-Mechanismus</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="273"/>
        <source>c. Sympathetic activity</source>
        <translation>c. Sympathische Aktivität</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="274"/>
        <source>d. Total peripheral resistance</source>
        <translation>d. Totaler peripherer Widerstand</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="275"/>
        <source>e. Central venous volume</source>
        <translation>e. Zentrales Venenvolumen</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="278"/>
        <source>Correct! Movement along a single cardiac function curve is dependent on the Frank-Starling mechanism. A larger end diastolic volume stretches the ventricular muscle fibers toward their optimal length and gives a larger stroke volume, and if heart rate does not fall, a larger cardiac output. This is the heart&apos;s own way of matching its output to its input. The mechanism hardly depends on contractility: a change in contractility moves the heart to a different curve rather than along one. Sympathetic changes act on contractility or on TPR and are not main factors in movement along a single curve. Central venous pressure and volume act only indirectly, through their effect on the filling of the ventricle during diastole.</source>
        <translation>Richtig! Die Bewegung entlang einer einzelnen Herzfunktionskurve beruht auf dem Frank-Starling-Mechanismus. Ein größeres enddiastolisches Volumen dehnt die Ventrikelmuskelfasern in Richtung ihrer optimalen Länge; das Schlagvolumen und, sofern die Herzfrequenz nicht sinkt, das Herzzeitvolumen nehmen zu. So passt das Herz seine Auswurfleistung selbst an seinen Zustrom an. Der Mechanismus hängt kaum von der Kontraktilität ab: Eine Änderung der Kontraktilität versetzt das Herz auf eine andere Kurve, statt es auf einer Kurve zu verschieben. Sympathische Änderungen wirken auf Kontraktilität oder TPR, kaum auf die Bewegung entlang einer Kurve. Zentraler Venendruck und zentrales Venenvolumen wirken nur indirekt, über die diastolische Füllung des Ventrikels.</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="289"/>
        <source>20. If CVP was hypothetically maintained constant, which of the following would increase cardiac output?</source>
        <translation>20. Angenommen, der ZVD würde konstant gehalten: Was würde dann das Herzzeitvolumen erhöhen?</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="290"/>
        <source>a. an increase in cardiac contractility</source>
        <translation>a. eine Zunahme der kardialen Kontraktilität</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="291"/>
        <source>b. the Frank-Starling mechanism</source>
        <translation>b. der Frank-Starling-Mechanismus</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="292"/>
        <source>c. both a AND b</source>
        <translation>c. sowohl a ALS AUCH b</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="293"/>
        <source>d. an increase in TPR</source>
        <translation>d. eine Zunahme des TPR</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="294"/>
        <source>e. both a AND d</source>
        <translation>e. sowohl a ALS AUCH d</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="297"/>
        <source>Correct! Among the choices given on an increase in cardiact contractility would result in an increase in cardiac output. With CVP held constant, there is no significant Frank-Starling effect, while an increase in TPR would tend to lower cardiac output rather than increase it.</source>
        <translation>Richtig! Von den gegebenen Antworten würde nur eine Zunahme der kardialen Kontraktilität das Herzzeitvolumen erhöhen. Bei konstantem ZVD gibt es keinen nennenswerten Frank-Starling-Effekt, und eine Zunahme des TPR würde das Herzzeitvolumen eher senken als erhöhen.</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="304"/>
        <source>                                   THATS ALL FOLKS! HOPE YOU HAD FUN.</source>
        <translation>                                   DAS WAR&apos;S! WIR HOFFEN, ES HAT SPASS GEMACHT.</translation>
    </message>
    <message>
        <location filename="../src/practice/Test.cpp" line="22"/>
        <source>The figure shows several VFC and CFC. Use these to answer the questions.  The operating point S is the intersection of the control CFC and VFC curves. Unless otherwise noted, changes are with respect to this control state.</source>
        <translation>Die Abbildung zeigt mehrere GFK und HFK. Beantworten Sie damit die Fragen.  Der Arbeitspunkt S ist der Schnittpunkt der Kontroll-HFK mit der Kontroll-GFK. Sofern nicht anders angegeben, beziehen sich alle Änderungen auf diesen Kontrollzustand.</translation>
    </message>
    <message>
        <location filename="../src/practice/Test.cpp" line="89"/>
        <source>Explanations of Answers</source>
        <translation>Erklärungen der Antworten</translation>
    </message>
    <message>
        <location filename="../src/practice/Test.cpp" line="96"/>
        <source>Explanation of answer</source>
        <translation>Erläuterung zur Antwort</translation>
    </message>
    <message>
        <location filename="../src/practice/Test.cpp" line="107"/>
        <source>Question and answer options</source>
        <translation>Frage und Antwortmöglichkeiten</translation>
    </message>
    <message>
        <location filename="../src/practice/Test.cpp" line="117"/>
        <source>Verdict on the selected answer</source>
        <translation>Bewertung der gewählten Antwort</translation>
    </message>
    <message>
        <location filename="../src/practice/Test.cpp" line="122"/>
        <source>Start Questions</source>
        <translation>Fragen starten</translation>
    </message>
    <message>
        <location filename="../src/practice/Test.cpp" line="128"/>
        <source>Next Question</source>
        <translation>Nächste Frage</translation>
    </message>
    <message>
        <location filename="../src/practice/Test.cpp" line="134"/>
        <source>Reset Questions</source>
        <translation>Fragen zurücksetzen</translation>
    </message>
    <message>
        <location filename="../src/practice/Test.cpp" line="208"/>
        <source>TRY AGAIN</source>
        <translation>LEIDER FALSCH</translation>
    </message>
</context>
<context>
    <name>fc::CurveFigure</name>
    <message>
        <location filename="../src/explorer/CurveFigure.cpp" line="123"/>
        <source>MSFP</source>
        <translation>MSFP</translation>
    </message>
    <message>
        <location filename="../src/explorer/CurveFigure.cpp" line="147"/>
        <source>cross at</source>
        <translation>schneiden sich bei</translation>
    </message>
    <message>
        <location filename="../src/explorer/CurveFigure.cpp" line="148"/>
        <source>cross beyond the right edge of the plot, at</source>
        <translation>schneiden sich jenseits des rechten Diagrammrands bei</translation>
    </message>
    <message>
        <location filename="../src/explorer/CurveFigure.cpp" line="150"/>
        <source>Curve explorer</source>
        <translation>Kurven-Explorer</translation>
    </message>
    <message>
        <location filename="../src/explorer/CurveFigure.cpp" line="151"/>
        <source>The red cardiac function curve and the blue vascular function curve %1 CVP %2 mmHg and CO %3 l/min, the operating point. The mean systemic filling pressure, where the vascular function curve meets the CVP axis, is %4 mmHg. The control curves are drawn thin and dashed in black.</source>
        <translation>Die rote Herzfunktionskurve und die blaue Gefäßfunktionskurve %1 ZVD %2 mmHg und HZV %3 l/min, dem Arbeitspunkt. Der mittlere systemische Füllungsdruck, an dem die Gefäßfunktionskurve die ZVD-Achse trifft, beträgt %4 mmHg. Die Kontrollkurven sind dünn und schwarz gestrichelt gezeichnet.</translation>
    </message>
    <message>
        <location filename="../src/explorer/CurveFigure.cpp" line="170"/>
        <source>Contractility %1, stressed volume %2, venous compliance %3, TPR %4: CVP %5, CO %6, MSFP %7</source>
        <translation>Kontraktilität %1, druckwirksames Volumen %2, venöse Compliance %3, TPR %4: ZVD %5, HZV %6, MSFP %7</translation>
    </message>
    <message>
        <location filename="../src/explorer/CurveFigure.cpp" line="177"/>
        <source>The curve explorer at %1. %2</source>
        <translation>Der Kurven-Explorer bei %1. %2</translation>
    </message>
</context>
<context>
    <name>fc::CurvesView</name>
    <message>
        <location filename="../src/explorer/CurvesView.cpp" line="26"/>
        <source>Cardiac and vascular function curves</source>
        <translation>Herz- und Gefäßfunktionskurven</translation>
    </message>
</context>
<context>
    <name>fc::Explorer</name>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="42"/>
        <source>&amp;Contractility</source>
        <translation>&amp;Kontraktilität</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="43"/>
        <source>Contractility</source>
        <translation>Kontraktilität</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="45"/>
        <source>Stressed blood &amp;volume</source>
        <translation>Druckwirksames Blut&amp;volumen</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="46"/>
        <source>Stressed blood volume</source>
        <translation>Druckwirksames Blutvolumen</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="47"/>
        <source>The part of the blood volume that stretches the veins and sets MSFP.</source>
        <translation>Der Teil des Blutvolumens, der die Venen dehnt und den MSFP bestimmt.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="50"/>
        <source>Venous co&amp;mpliance</source>
        <translation>Venöse Co&amp;mpliance</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="51"/>
        <source>Venous compliance</source>
        <translation>Venöse Compliance</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="53"/>
        <source>&amp;Total peripheral resistance</source>
        <translation>&amp;Totaler peripherer Widerstand</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="54"/>
        <source>Total peripheral resistance</source>
        <translation>Totaler peripherer Widerstand</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="87"/>
        <source>CO %1 above control.</source>
        <translation>HZV %1 über dem Kontrollwert.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="89"/>
        <source>CO %1 below control.</source>
        <translation>HZV %1 unter dem Kontrollwert.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="90"/>
        <source>CO as at control.</source>
        <translation>HZV gleich dem Kontrollwert.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="98"/>
        <source>Curve Explorer</source>
        <translation>Kurven-Explorer</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="101"/>
        <source>Move contractility, stressed blood volume, venous compliance and peripheral resistance and watch the cardiac and vascular function curves and their operating point</source>
        <translation>Kontraktilität, druckwirksames Blutvolumen, venöse Compliance und peripheren Widerstand verändern und dabei Herz- und Gefäßfunktionskurve und ihren Arbeitspunkt beobachten</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="113"/>
        <source>Control</source>
        <translation>Kontrollwerte</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="115"/>
        <source>Set all four factors to 100 percent</source>
        <translation>Alle vier Faktoren auf 100 Prozent setzen</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="150"/>
        <source>Factors, in percent of control</source>
        <translation>Faktoren in Prozent des Kontrollwerts</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="156"/>
        <source>%1 to %2 of control</source>
        <translation>%1 bis %2 des Kontrollwerts</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="202"/>
        <source>Operating point</source>
        <translation>Arbeitspunkt</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="206"/>
        <source>CVP:</source>
        <translation>ZVD:</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="207"/>
        <source>CO:</source>
        <translation>HZV:</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="213"/>
        <source>Mean systemic filling pressure:</source>
        <translation>Mittlerer systemischer Füllungsdruck:</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="215"/>
        <source>Where the vascular function curve meets the CVP axis: the mean circulatory pressure (mcp) of the pages.</source>
        <translation>Wo die Gefäßfunktionskurve die ZVD-Achse trifft: der mittlere Kreislauffüllungsdruck (MCP) der Lernseiten.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="233"/>
        <source>&amp;Scenarios</source>
        <translation>&amp;Szenarien</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="237"/>
        <source>Scenarios</source>
        <translation>Szenarien</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="382"/>
        <location filename="../src/explorer/Explorer.cpp" line="384"/>
        <source>%1 mmHg</source>
        <translation>%1 mmHg</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="383"/>
        <source>%1 l/min</source>
        <translation>%1 l/min</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="386"/>
        <source>Operating point CVP %1, CO %2; MSFP %3. %4</source>
        <translation>Arbeitspunkt ZVD %1, HZV %2; MSFP %3. %4</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="401"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>fc::FactorSlider</name>
    <message>
        <location filename="../src/explorer/FactorSlider.cpp" line="49"/>
        <source>%1 percent of control</source>
        <translation>%1 Prozent des Kontrollwerts</translation>
    </message>
</context>
<context>
    <name>fc::FigureCommands</name>
    <message>
        <location filename="../src/figures/FigureCommands.cpp" line="78"/>
        <source>Save Figure As</source>
        <translation>Abbildung speichern unter</translation>
    </message>
    <message>
        <location filename="../src/figures/FigureCommands.cpp" line="139"/>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <location filename="../src/figures/FigureCommands.cpp" line="140"/>
        <source>The figure could not be saved as &quot;%1&quot;.</source>
        <translation>Die Abbildung konnte nicht als »%1« gespeichert werden.</translation>
    </message>
    <message>
        <location filename="../src/figures/FigureCommands.cpp" line="162"/>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <location filename="../src/figures/FigureCommands.cpp" line="163"/>
        <source>The figure could not be printed.</source>
        <translation>Die Abbildung konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <location filename="../src/figures/FigureCommands.cpp" line="164"/>
        <source>&quot;%1&quot; did not accept it.</source>
        <translation>»%1« hat den Druckauftrag nicht angenommen.</translation>
    </message>
    <message>
        <location filename="../src/figures/FigureCommands.cpp" line="190"/>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <location filename="../src/figures/FigureCommands.cpp" line="192"/>
        <source>Save As…</source>
        <translation>Speichern unter…</translation>
    </message>
    <message>
        <location filename="../src/figures/FigureCommands.cpp" line="194"/>
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
</context>
<context>
    <name>fc::FigureExport</name>
    <message>
        <location filename="../src/figures/FigureExport.cpp" line="33"/>
        <source>PNG image</source>
        <translation>PNG-Bild</translation>
    </message>
    <message>
        <location filename="../src/figures/FigureExport.cpp" line="34"/>
        <source>SVG image</source>
        <translation>SVG-Bild</translation>
    </message>
    <message>
        <location filename="../src/figures/FigureExport.cpp" line="35"/>
        <source>PDF document</source>
        <translation>PDF-Dokument</translation>
    </message>
    <message>
        <location filename="../src/figures/FigureExport.cpp" line="172"/>
        <source>The figure could not be drawn as %1.</source>
        <translation>Die Abbildung konnte nicht als %1 erzeugt werden.</translation>
    </message>
</context>
<context>
    <name>fc::FigureWindow</name>
    <message>
        <location filename="../src/figures/FigureWindow.cpp" line="59"/>
        <source>Print Preview…</source>
        <translation>Druckvorschau…</translation>
    </message>
</context>
<context>
    <name>fc::Numbers</name>
    <message>
        <location filename="../src/figures/Numbers.cpp" line="23"/>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>fc::Page</name>
    <message>
        <location filename="../src/shell/Page.cpp" line="219"/>
        <source>Explore…</source>
        <translation>Erkunden…</translation>
    </message>
</context>
<context>
    <name>fc::PictureArea</name>
    <message>
        <location filename="../src/figures/PictureArea.cpp" line="57"/>
        <source>Empty figure area</source>
        <translation>Leerer Abbildungsbereich</translation>
    </message>
    <message>
        <location filename="../src/figures/PictureArea.cpp" line="68"/>
        <source>Double-click to enlarge · right-click to copy, save or print · Ctrl+E to explore</source>
        <translation>Doppelklick zum Vergrößern · Rechtsklick zum Kopieren, Speichern oder Drucken · Strg+E zum Erkunden</translation>
    </message>
    <message>
        <location filename="../src/figures/PictureArea.cpp" line="248"/>
        <source>Open in Window</source>
        <translation>In eigenem Fenster öffnen</translation>
    </message>
</context>
<context>
    <name>fc::PredictPanel</name>
    <message>
        <location filename="../src/explorer/PredictPanel.cpp" line="25"/>
        <source>Central venous pressure will…</source>
        <translation>Der zentrale Venendruck …</translation>
    </message>
    <message>
        <location filename="../src/explorer/PredictPanel.cpp" line="26"/>
        <source>Cardiac output will…</source>
        <translation>Das Herzzeitvolumen …</translation>
    </message>
    <message>
        <location filename="../src/explorer/PredictPanel.cpp" line="27"/>
        <source>Mean systemic filling pressure will…</source>
        <translation>Der mittlere systemische Füllungsdruck …</translation>
    </message>
    <message>
        <location filename="../src/explorer/PredictPanel.cpp" line="37"/>
        <source>Rises</source>
        <translation>Steigt</translation>
    </message>
    <message>
        <location filename="../src/explorer/PredictPanel.cpp" line="38"/>
        <source>About the same</source>
        <translation>Bleibt etwa gleich</translation>
    </message>
    <message>
        <location filename="../src/explorer/PredictPanel.cpp" line="39"/>
        <source>Falls</source>
        <translation>Sinkt</translation>
    </message>
    <message>
        <location filename="../src/explorer/PredictPanel.cpp" line="58"/>
        <source>&amp;Predict first</source>
        <translation>&amp;Erst vorhersagen</translation>
    </message>
    <message>
        <location filename="../src/explorer/PredictPanel.cpp" line="61"/>
        <source>Hold each change back until you have predicted what it does to CVP, CO and MSFP</source>
        <translation>Jede Änderung zurückhalten, bis Sie vorhergesagt haben, wie sie ZVD, HZV und MSFP verändert</translation>
    </message>
    <message>
        <location filename="../src/explorer/PredictPanel.cpp" line="62"/>
        <source>&amp;Next change</source>
        <translation>&amp;Nächste Änderung</translation>
    </message>
    <message>
        <location filename="../src/explorer/PredictPanel.cpp" line="63"/>
        <source>A scenario not yet done, chosen at random</source>
        <translation>Ein zufällig gewähltes, noch nicht bearbeitetes Szenario</translation>
    </message>
    <message>
        <location filename="../src/explorer/PredictPanel.cpp" line="80"/>
        <source>S&amp;how</source>
        <translation>&amp;Zeigen</translation>
    </message>
    <message>
        <location filename="../src/explorer/PredictPanel.cpp" line="81"/>
        <source>Show the change and whether each prediction was right</source>
        <translation>Die Änderung zeigen und jede Vorhersage bewerten</translation>
    </message>
    <message>
        <location filename="../src/explorer/PredictPanel.cpp" line="187"/>
        <source>Choose a scenario, move a factor or press Next change, then predict what happens before you see it.</source>
        <translation>Wählen Sie ein Szenario, verschieben Sie einen Faktor oder drücken Sie »Nächste Änderung«, und sagen Sie dann vorher, was geschieht, bevor Sie es sehen.</translation>
    </message>
</context>
<context>
    <name>fc::Scenario</name>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="20"/>
        <source>Increased contractility</source>
        <translation>Gesteigerte Kontraktilität</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="21"/>
        <source>The cardiac function curve rises, so the operating point moves up and to the left along the unchanged vascular function curve: more output at a lower CVP.</source>
        <translation>Die Herzfunktionskurve steigt an, daher wandert der Arbeitspunkt auf der unveränderten Gefäßfunktionskurve nach links oben: mehr Förderleistung bei niedrigerem ZVD.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="22"/>
        <source>Decreased contractility</source>
        <translation>Verminderte Kontraktilität</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="23"/>
        <source>The cardiac function curve sinks, so the operating point slides down and to the right: less output although CVP is higher.</source>
        <translation>Die Herzfunktionskurve sinkt ab, daher gleitet der Arbeitspunkt nach rechts unten: weniger Förderleistung, obwohl der ZVD höher ist.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="24"/>
        <source>Transfusion</source>
        <translation>Transfusion</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="25"/>
        <source>More volume raises MSFP and shifts the vascular function curve to the right with the same slope, so CVP and output both rise.</source>
        <translation>Mehr Volumen erhöht den MSFP und verschiebt die Gefäßfunktionskurve bei gleicher Steigung nach rechts, sodass ZVD und Förderleistung beide steigen.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="26"/>
        <source>Blood loss</source>
        <translation>Blutverlust</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="27"/>
        <source>Less volume lowers MSFP and shifts the vascular function curve to the left, so CVP and output both fall.</source>
        <translation>Weniger Volumen senkt den MSFP und verschiebt die Gefäßfunktionskurve nach links, sodass ZVD und Förderleistung beide sinken.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="28"/>
        <source>Blood loss after reflexes</source>
        <translation>Blutverlust nach Reflexantwort</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="29"/>
        <source>The reflexes raise contractility and heart rate and constrict the veins, which lifts output; the arteriolar constriction that holds up arterial pressure flattens the VFC and takes part of that gain back, so output recovers only part of the way while CVP stays low.</source>
        <translation>Die Reflexe steigern Kontraktilität und Herzfrequenz und verengen die Venen, was die Förderleistung anhebt; die Arteriolenkonstriktion, die den arteriellen Druck stützt, macht die GFK flacher und nimmt einen Teil dieses Gewinns wieder zurück, sodass sich die Förderleistung nur teilweise erholt, während der ZVD niedrig bleibt.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="30"/>
        <source>Standing up</source>
        <translation>Aufstehen</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="31"/>
        <source>Blood pools in the distensible veins of the legs and less of it fills the central veins, as if the veins had grown more compliant: MSFP falls, the vascular function curve shifts to the left, and CVP and output both fall.</source>
        <translation>Blut sammelt sich in den dehnbaren Beinvenen, und weniger davon füllt die zentralen Venen, als hätte die venöse Compliance zugenommen: Der MSFP sinkt, die Gefäßfunktionskurve verschiebt sich nach links, und ZVD und Förderleistung sinken beide.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="32"/>
        <source>Standing up after reflexes</source>
        <translation>Aufstehen nach Reflexantwort</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="33"/>
        <source>Baroreceptor reflexes raise contractility and heart rate, constrict the veins and raise resistance a little: output comes back most of the way to its level lying down, at a lower CVP.</source>
        <translation>Barorezeptorreflexe steigern Kontraktilität und Herzfrequenz, verengen die Venen und erhöhen den Widerstand etwas: Die Förderleistung nähert sich wieder weitgehend ihrem Wert im Liegen, bei niedrigerem ZVD.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="34"/>
        <source>Venoconstriction</source>
        <translation>Venokonstriktion</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="35"/>
        <source>Constricted veins hold less blood at the same pressure, so MSFP rises as more volume would and the vascular function curve shifts to the right: CVP and output rise.</source>
        <translation>Verengte Venen fassen beim gleichen Druck weniger Blut, daher steigt der MSFP wie durch zusätzliches Volumen, und die Gefäßfunktionskurve verschiebt sich nach rechts: ZVD und Förderleistung steigen.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="36"/>
        <source>Vasodilation</source>
        <translation>Vasodilatation</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="37"/>
        <source>Lower resistance makes the vascular function curve steeper about the same MSFP, so output rises with the same contractility.</source>
        <translation>Ein geringerer Widerstand macht die Gefäßfunktionskurve bei gleichem MSFP steiler, sodass die Förderleistung bei gleicher Kontraktilität steigt.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="38"/>
        <source>Vasoconstriction</source>
        <translation>Vasokonstriktion</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="39"/>
        <source>Higher resistance flattens the vascular function curve about the same MSFP, so output and CVP fall.</source>
        <translation>Ein höherer Widerstand macht die Gefäßfunktionskurve bei gleichem MSFP flacher, sodass Förderleistung und ZVD sinken.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="40"/>
        <source>Moderate heart failure</source>
        <translation>Mäßige Herzinsuffizienz</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="41"/>
        <source>The failing heart&apos;s curve is lower and levels off near 5&#xa0;l/min: output falls and CVP rises.</source>
        <translation>Die Kurve des insuffizienten Herzens liegt tiefer und erreicht ein Plateau bei etwa 5&#xa0;l/min: Die Förderleistung sinkt, der ZVD steigt.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="42"/>
        <source>Moderate heart failure with fluid retention</source>
        <translation>Mäßige Herzinsuffizienz mit Flüssigkeitsretention</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="43"/>
        <source>Retained fluid raises MSFP, and the higher CVP brings output back close to normal through the Frank-Starling mechanism.</source>
        <translation>Die zurückgehaltene Flüssigkeit erhöht den MSFP, und der höhere ZVD bringt die Förderleistung über den Frank-Starling-Mechanismus nahezu auf den Normalwert zurück.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="44"/>
        <source>Severe heart failure</source>
        <translation>Schwere Herzinsuffizienz</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="45"/>
        <source>The curve of a severely failing heart levels off near 3&#xa0;l/min: output is low and CVP high.</source>
        <translation>Die Kurve eines schwer insuffizienten Herzens erreicht ein Plateau bei etwa 3&#xa0;l/min: Die Förderleistung ist niedrig, der ZVD hoch.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="46"/>
        <source>Severe heart failure with fluid retention</source>
        <translation>Schwere Herzinsuffizienz mit Flüssigkeitsretention</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="47"/>
        <source>Retained fluid raises CVP a great deal but output only a little, as the weak heart has little reserve left to use.</source>
        <translation>Die zurückgehaltene Flüssigkeit erhöht den ZVD stark, die Förderleistung aber nur wenig, da das schwache Herz kaum noch Reserven hat.</translation>
    </message>
</context>
<context>
    <name>fc::Zoom</name>
    <message>
        <location filename="../src/shell/Zoom.cpp" line="61"/>
        <source>Zoom %1% (fits this screen)</source>
        <translation>Zoom %1&#xa0;% (an diesen Bildschirm angepasst)</translation>
    </message>
    <message>
        <location filename="../src/shell/Zoom.cpp" line="62"/>
        <location filename="../src/shell/Zoom.cpp" line="71"/>
        <source>Zoom %1%</source>
        <translation>Zoom %1&#xa0;%</translation>
    </message>
    <message>
        <location filename="../src/shell/Zoom.cpp" line="74"/>
        <source>Zoom %1% (largest)</source>
        <translation>Zoom %1&#xa0;% (Maximum)</translation>
    </message>
    <message>
        <location filename="../src/shell/Zoom.cpp" line="74"/>
        <source>Zoom %1% (smallest)</source>
        <translation>Zoom %1&#xa0;% (Minimum)</translation>
    </message>
</context>
<context>
    <name>fc::ZoomIndicator</name>
    <message>
        <location filename="../src/shell/ZoomIndicator.cpp" line="24"/>
        <source>Zoom level of the pages</source>
        <translation>Zoomstufe der Seiten</translation>
    </message>
</context>
</TS>
