<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ConceptPage</name>
    <message>
        <location filename="../src/concepts/CardiacFunctionCurves.cpp" line="28"/>
        <source>  CARDIAC FUNCTION CURVES   </source>
        <translation>  CURVAS DE FUNCIÓN CARDÍACA   </translation>
    </message>
    <message>
        <location filename="../src/concepts/CardiacFunctionCurves.cpp" line="30"/>
        <source> What is a Cardiac Function Curve?</source>
        <translation> ¿Qué es una curva de función cardíaca?</translation>
    </message>
    <message>
        <location filename="../src/concepts/CardiacFunctionCurves.cpp" line="34"/>
        <source> What is the effect of contractility?</source>
        <translation> ¿Qué efecto tiene la contractilidad?</translation>
    </message>
    <message>
        <location filename="../src/concepts/CardiacFunctionCurves.cpp" line="38"/>
        <source> Why does CO not increase at large CVP?</source>
        <translation> ¿Por qué no sube el GC con PVC alta?</translation>
    </message>
    <message>
        <location filename="../src/concepts/ConceptPage.cpp" line="76"/>
        <source>Click on topic to see related text</source>
        <translation>Elija un tema para ver su texto</translation>
    </message>
    <message>
        <location filename="../src/concepts/ConceptPage.cpp" line="97"/>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <location filename="../src/concepts/ConceptTexts.cpp" line="9"/>
        <source>A Cardiac Function Curve (CFC) is a graphical representation showing how cardiac output (CO) varies as the input pressure to the heart changes. The input pressure may be taken as the right atrial pressure or as the central venous pressure (CVP); this module uses CVP. The principle behind the curve is the Frank-Starling mechanism: as CVP rises, the ventricles fill more completely during diastole, end diastolic volume increases and so does stroke volume. With heart rate held constant, CO therefore moves in the same direction as CVP over a certain range of filling pressures.</source>
        <translation>Una curva de función cardíaca (CFC) es una representación gráfica de cómo varía el gasto cardíaco (GC) al cambiar la presión de entrada al corazón. Como presión de entrada puede tomarse la presión auricular derecha o la presión venosa central (PVC); este módulo utiliza la PVC. El principio en que se basa la curva es el mecanismo de Frank-Starling: al aumentar la PVC, los ventrículos se llenan más durante la diástole, el volumen telediastólico aumenta y también lo hace el volumen sistólico. Con la frecuencia cardíaca constante, el GC varía por tanto en el mismo sentido que la PVC dentro de cierto intervalo de presiones de llenado.</translation>
    </message>
    <message>
        <location filename="../src/concepts/ConceptTexts.cpp" line="21"/>
        <source> The effects of changes in cardiac contractility can be understood by seeing what happens to CO at a fixed value of CVP. In the figure the fixed CVP is marked by the vertical dotted line. The point where that line crosses each curve shows the CO reached at that pressure. Increased contractility, for example from increased sympathetic drive to the heart, makes CO greater, and decreased contractility makes it smaller. The same is true at any CVP, not only at the one drawn: CO changes in the same direction as contractility. </source>
        <translation> Los efectos de los cambios de la contractilidad cardíaca pueden entenderse observando qué ocurre con el GC a un valor fijo de PVC. En la figura, la PVC fija está marcada por la línea vertical de puntos. El punto en que esa línea corta cada curva indica el GC alcanzado a esa presión. El aumento de la contractilidad, por ejemplo por una mayor estimulación simpática del corazón, eleva el GC, y su disminución lo reduce. Lo mismo ocurre con cualquier PVC, no solo con la representada: el GC cambia en el mismo sentido que la contractilidad. </translation>
    </message>
    <message>
        <location filename="../src/concepts/ConceptTexts.cpp" line="32"/>
        <source>The increase in CO as CVP increases depends of the Frank-Starling mechanism. The mechanism rests on an increasingly favorable overlap of actin and myosin filaments as the muscle fibers are stretched by a larger end diastolic volume. Once the optimal overlap of the filaments is reached, further stretch adds no more active force, so stroke volume and cardiac output rise no further.</source>
        <translation>El aumento del GC al aumentar la PVC depende del mecanismo de Frank-Starling. Este mecanismo se basa en un solapamiento cada vez más favorable de los filamentos de actina y miosina a medida que las fibras musculares se estiran por un mayor volumen telediastólico. Una vez alcanzado el solapamiento óptimo de los filamentos, un estiramiento mayor ya no añade fuerza activa, de modo que el volumen sistólico y el gasto cardíaco dejan de aumentar.</translation>
    </message>
    <message>
        <location filename="../src/concepts/ConceptTexts.cpp" line="42"/>
        <source>A Vascular Function Curve (VFC) is a graphical representation showing the relationship between cardiac output (CO) and central venous pressure (CVP). Some texts call it the venous return curve. Because over time average CO equals average venous return, a single vertical axis serves for both, and the VFC can be drawn on the same graph as the cardiac function curve (CFC). A VFC describes the vessels: it reflects the properties of the vasculature, whereas the CFC reflects the heart as a pump, so a change in contractility moves the operating point along the same VFC. Reading the curve from right to left, as CO rises up to point 3, CVP falls (region 2). This happens because a larger flow causes a larger pressure loss across the systemic arterioles, leaving less pressure on the venous side. Put another way, the heart lowers CVP by moving blood out of the veins and into the arteries. Each region of the curve tells something different about the circulation. Choose the regions in the list on the left to learn what each of them means. </source>
        <translation>Una curva de función vascular (CFV) es una representación gráfica de la relación entre el gasto cardíaco (GC) y la presión venosa central (PVC). Algunos textos la llaman curva de retorno venoso. Como, a lo largo del tiempo, el GC medio es igual al retorno venoso medio, un solo eje vertical sirve para ambos, y la CFV puede dibujarse en la misma gráfica que la curva de función cardíaca (CFC). La CFV describe los vasos: refleja las propiedades del lecho vascular, mientras que la CFC refleja el corazón como bomba; por eso un cambio de la contractilidad desplaza el punto de funcionamiento a lo largo de la misma CFV. Leyendo la curva de derecha a izquierda, al aumentar el GC hasta el punto 3, la PVC baja (región 2). Esto ocurre porque un flujo mayor produce una mayor caída de presión en las arteriolas sistémicas y deja menos presión en el lado venoso. Dicho de otro modo, el corazón reduce la PVC al pasar sangre de las venas a las arterias. Cada región de la curva dice algo distinto sobre la circulación. Elija las regiones en la lista de la izquierda para ver qué significa cada una. </translation>
    </message>
    <message>
        <location filename="../src/concepts/ConceptTexts.cpp" line="59"/>
        <source> Point 1 corresponds to a condition in which CO is zero. It is a theoretical no-flow point: if the heart stopped and pressures throughout the circulation were allowed to equalize, CVP would settle at this value. That pressure is the mean circulatory pressure, not to be confused with the mean arterial pressure. It is set only by the blood volume and the compliance of the vessels that hold it. In the upper figure point 1 is where the curve meets the CVP axis, at about 7 mmHg. Since there is no flow, arteriolar resistance plays no part in it. Taking curve B in the lower figure as the control, a transfusion raises the mean circulatory pressure and moves the curve to the right (VFC-A). A fall in compliance, as with more sympathetic drive to the veins, has the same effect. Conversely, a blood loss or a reduced sympathetic drive to the veins lowers the mean circulatory pressure and moves the curve to the left (VFC-C). In each case the slope stays the same, because arteriolar resistance is unchanged.</source>
        <translation> El punto 1 corresponde a una situación en la que el GC es cero. Es un punto teórico de flujo nulo: si el corazón se detuviera y las presiones de toda la circulación se igualaran, la PVC se estabilizaría en este valor. Esa presión es la presión circulatoria media (PCM), que no debe confundirse con la presión arterial media. Depende solo del volumen sanguíneo y de la distensibilidad de los vasos que lo contienen. En la figura superior, el punto 1 es donde la curva corta el eje de la PVC, a unos 7 mmHg. Como no hay flujo, la resistencia arteriolar no interviene. Tomando como control la curva B de la figura inferior, una transfusión eleva la PCM y desplaza la curva a la derecha (CFV-A). Una menor distensibilidad, como con más estimulación simpática de las venas, tiene el mismo efecto. A la inversa, una pérdida de sangre o una menor estimulación simpática de las venas reduce la PCM y desplaza la curva a la izquierda (CFV-C). En todos los casos la pendiente no cambia, porque la resistencia arteriolar es la misma.</translation>
    </message>
    <message>
        <location filename="../src/concepts/ConceptTexts.cpp" line="75"/>
        <source>Region 2 corresponds to the condition in which blood flow is now occuring. As flow rises from point 1, the pressure loss across the arterioles grows and the pressure left to fill the central veins falls, so CVP falls. In effect, the faster the heart pumps, the lower the pressure left in the veins. The size of that loss depends on arteriolar resistance, which is the main part of total peripheral resistance (TPR). The slope of region 2 is therefore set by TPR. Arteriolar vasodilation lowers TPR and steepens the curve (curve A in the lower figure): less pressure is lost for a given flow, so any CO needs less driving pressure and more is left as CVP. Arteriolar vasoconstriction raises TPR and flattens the curve (curve C): more pressure is lost across the arterioles, so the same CO needs a higher driving pressure and leaves a lower CVP. These changes in slope occur without a change in point 1, since the mean circulatory pressure depends on volume and compliance, not on resistance.  </source>
        <translation>La región 2 corresponde a la situación en la que ya hay flujo sanguíneo. Al aumentar el flujo desde el punto 1, crece la caída de presión a través de las arteriolas y baja la presión que queda para llenar las venas centrales: la PVC disminuye. En efecto, cuanto más deprisa bombea el corazón, menor es la presión que queda en las venas. Esa caída depende de la resistencia arteriolar, principal componente de la resistencia periférica total (RPT). Por tanto, la RPT fija la pendiente de la región 2. La vasodilatación arteriolar reduce la RPT y hace más pronunciada la curva (curva A de la figura inferior): se pierde menos presión para un flujo dado, de modo que cualquier GC necesita menos presión impulsora y queda más como PVC. La vasoconstricción arteriolar eleva la RPT y aplana la curva (curva C): se pierde más presión en las arteriolas, de modo que el mismo GC necesita más presión impulsora y deja una PVC más baja. Estos cambios de pendiente no modifican el punto 1, ya que la presión circulatoria media depende del volumen y de la distensibilidad, no de la resistencia.  </translation>
    </message>
    <message>
        <location filename="../src/concepts/ConceptTexts.cpp" line="92"/>
        <source>Point 3 and region 4 demonstrate a physical change in the relationship between CO and CVP. When CVP falls to a low level (point 3), the transmural pressure of the central veins, the difference between the pressure inside and outside them, becomes too low to hold them open. The thin-walled veins begin to collapse as they enter the chest, venous resistance rises steeply, and further increases in flow are prevented: CO cannot rise further however low CVP falls, so region 4 is flat. Point 3 therefore marks the largest CO that the veins can return to the heart. This part of the curve lies mostly outside the physiological range, but it shows that venous resistance, usually small, can matter. </source>
        <translation>El punto 3 y la región 4 muestran un cambio físico en la relación entre el GC y la PVC. Cuando la PVC desciende a un nivel bajo (punto 3), la presión transmural de las venas centrales, es decir, la diferencia entre la presión en su interior y en su exterior, se vuelve demasiado baja para mantenerlas abiertas. Las venas, de pared delgada, empiezan a colapsarse al entrar en el tórax, la resistencia venosa aumenta bruscamente y se impiden nuevos aumentos del flujo: el GC no puede subir más por mucho que baje la PVC, por lo que la región 4 es plana. Por tanto, el punto 3 marca el mayor GC que las venas pueden devolver al corazón. Esta parte de la curva queda casi toda fuera del intervalo fisiológico, pero muestra que la resistencia venosa, normalmente pequeña, puede tener importancia. </translation>
    </message>
    <message>
        <location filename="../src/concepts/ConceptTexts.cpp" line="104"/>
        <source>Cardiac and Vascular functions both are related to CVP but in different ways. For the heart, a higher CVP means more filling and, through the Frank-Starling mechanism, a larger CO; for the vasculature, a larger CO means a lower CVP. At any instant, however, there is only one CVP and one CO, shared by the heart and the vessels. The circulation must therefore operate where the two curves intersect, at the operating point. In the figure the operating point lies at a CVP of 2 mmHg and a CO of 5 liters/minute. Plotting both curves together provides a framework for understanding physiological and pathological changes, since each change moves one curve or both and so shifts the operating point. These changes are taken up in the sub-module &apos;Interactions and Changes&apos;. </source>
        <translation>La función cardíaca y la función vascular dependen ambas de la PVC, pero de manera distinta. Para el corazón, una PVC más alta significa más llenado y, por el mecanismo de Frank-Starling, un GC mayor; para el sistema vascular, un GC mayor significa una PVC más baja. Sin embargo, en cada instante solo hay una PVC y un GC, compartidos por el corazón y los vasos. Por tanto, la circulación debe funcionar donde se cortan las dos curvas, en el punto de funcionamiento. En la figura, el punto de funcionamiento se sitúa en una PVC de 2 mmHg y un GC de 5 l/min. Representar ambas curvas juntas proporciona un marco para comprender los cambios fisiológicos y patológicos, ya que cada cambio desplaza una curva o ambas y, con ello, el punto de funcionamiento. Estos cambios se tratan en el submódulo «Interacciones y cambios». </translation>
    </message>
    <message>
        <location filename="../src/concepts/ConceptTexts.cpp" line="118"/>
        <source>Changes in TPR cause the slope of the VFC to change. Vasodilation steepens the VFC and vasoconstriction flattens it, while the point where the curve meets the CVP axis stays where it is. The reason is that with a lower TPR less pressure is lost across the arterioles for the same CO, which leaves a larger CVP. When the peripheral arterioles dilate, the new VFC crosses the unchanged CFC at a higher point, so the heart delivers more CO without any change in contractility. The extra output comes from the Frank-Starling mechanism, acting through the higher CVP and the larger end diastolic volume. TPR also acts slightly on the CFC itself, because it sets the afterload against which the ventricle ejects. Over a fair range, however, the CFC changes little: a raised afterload lowers stroke volume, but the blood left in the ventricle raises end diastolic volume, and the Frank-Starling mechanism restores the output. The figure therefore shows only the change in the VFC.</source>
        <translation>Los cambios de la RPT modifican la pendiente de la CFV. La vasodilatación hace más pronunciada la CFV y la vasoconstricción la aplana, mientras que el punto en que la curva corta el eje de la PVC no se mueve. Con una RPT menor se pierde menos presión en las arteriolas para el mismo GC, y queda una PVC mayor. Cuando las arteriolas periféricas se dilatan, la nueva CFV corta la CFC, que no cambia, en un punto más alto: el corazón aporta más GC sin ningún cambio de la contractilidad. El gasto adicional procede del mecanismo de Frank-Starling, a través de la PVC más alta y del mayor volumen telediastólico. La RPT también influye algo en la propia CFC, porque fija la poscarga contra la que eyecta el ventrículo. Sin embargo, en un amplio intervalo la CFC cambia poco: una poscarga elevada reduce el volumen sistólico, pero la sangre que queda en el ventrículo aumenta el volumen telediastólico y el mecanismo de Frank-Starling restablece el gasto. Por eso la figura muestra solo el cambio de la CFV.</translation>
    </message>
    <message>
        <location filename="../src/concepts/ConceptTexts.cpp" line="136"/>
        <source> The key to understanding the effects of blood volume or compliance changes is to recognize that each of these effects the mean circulatory pressure (mcp). The mcp is the pressure that would be found throughout the circulation at zero CO, and it depends on how full the vessels are relative to their capacity. A smaller blood volume or a larger compliance lowers mcp and moves the VFC to the left without changing its slope. With contractility unchanged, the new operating point lies lower on the same CFC, with a lower CO. A transfusion, or a smaller compliance as with peripheral sympathetic activation of the veins, raises mcp and moves the VFC to the right, with a higher CO. The figure shows both shifts: red (+V, -C) and blue (-V, +C). Clinical examples of a reduced mcp include neurogenic shock (in which the loss of sympathetic tone enlarges vascular capacity), major blood loss, dehydration, and a sudden enlargement of vascular capacity such as the removal of a large tumor.</source>
        <translation> La clave para entender los efectos de los cambios de volumen sanguíneo o de distensibilidad es reconocer que ambos afectan a la presión circulatoria media (PCM). La PCM es la presión que habría en toda la circulación con un GC nulo, y depende de lo llenos que estén los vasos respecto a su capacidad. Un volumen sanguíneo menor o una distensibilidad mayor reducen la PCM y desplazan la CFV a la izquierda sin cambiar su pendiente. Con la contractilidad sin cambios, el nuevo punto de funcionamiento queda más abajo en la misma CFC, con un GC menor. Una transfusión, o una menor distensibilidad, como con la activación simpática periférica de las venas, eleva la PCM y desplaza la CFV a la derecha, con un GC mayor. La figura muestra ambos desplazamientos: rojo (+V, -D) y azul (-V, +D). Son ejemplos clínicos de PCM reducida el shock neurógeno (la pérdida del tono simpático aumenta la capacidad vascular), una hemorragia importante, la deshidratación y un aumento brusco de la capacidad vascular, como al extirpar un tumor grande.</translation>
    </message>
    <message>
        <location filename="../src/concepts/ConceptTexts.cpp" line="152"/>
        <source>Contractility is an index of the intrinisic velocity and force of contraction of cardiac myocytes. It depends mainly on the calcium made available to the contractile proteins with each beat, largely by release from the sarcoplasmic reticulum, on how well the cell uses that calcium, and on the viability of the heart muscle itself. Sympathetic activation and circulating catecholamines raise contractility, a positive inotropic effect. The heart then delivers a greater CO at a lower CVP, and this gain does not rely on the Frank-Starling mechanism. In the figure the black CFC is the resting control curve, and the red curve is one that might follow a rise in sympathetic activity to the heart. If the VFC is unchanged, the operating point moves up and to the left along it, to a higher CO and a lower CVP. In the body, however, sympathetic activation rarely acts on the heart alone: its effects on the arterioles and veins usually change the VFC as well, so both curves move together. </source>
        <translation>La contractilidad es un índice de la velocidad y la fuerza intrínsecas de contracción de los miocitos cardíacos. Depende sobre todo del calcio que llega a las proteínas contráctiles en cada latido, liberado en gran parte por el retículo sarcoplásmico, del uso que la célula hace de ese calcio y de la viabilidad del propio músculo cardíaco. La activación simpática y las catecolaminas circulantes aumentan la contractilidad, un efecto inotrópico positivo. El corazón aporta entonces más GC con una PVC menor, y esta mejora no depende del mecanismo de Frank-Starling. En la figura, la CFC negra es la curva control en reposo, y la roja, la que podría seguir a un aumento de la actividad simpática cardíaca. Si la CFV no cambia, el punto de funcionamiento se desplaza por ella hacia arriba y a la izquierda: más GC y menos PVC. Sin embargo, en el organismo la activación simpática rara vez actúa solo sobre el corazón: sus efectos sobre arteriolas y venas suelen modificar también la CFV, y ambas curvas se desplazan a la vez. </translation>
    </message>
    <message>
        <location filename="../src/concepts/ConceptTexts.cpp" line="169"/>
        <source>The effects of blood loss depend on the amount and rate of hemmorrhage. After an acute, large loss the vessels are less full relative to their capacity, so mcp falls (point 1). The result is a new VFC (blue), shifted to the left, which meets the unchanged CFC at operating point 2. CO is lower there, and arterial pressure begins to fall. The fall in pressure is sensed by the baroreceptors, and the baroreceptor reflex raises sympathetic activity. Contractility and heart rate rise, giving a new CFC (red); TPR rises and venous compliance falls, giving a new VFC (red) shifted back to the right with a smaller slope. The new curves meet at operating point 3, where CO is higher than at point 2 but still below normal: the compensation is only partial. Over days to weeks, plasma volume is restored: the kidney retains salt and water, and the liver synthesizes new plasma proteins. As volume returns, mcp and CO return toward their normal values and the reflex gradually subsides. </source>
        <translation>Los efectos de una pérdida de sangre dependen de su cuantía y de su velocidad. Tras una pérdida aguda e importante, los vasos están menos llenos respecto a su capacidad y la PCM disminuye (punto 1). Resulta una nueva CFV (azul), desplazada a la izquierda, que corta la CFC sin cambios en el punto de funcionamiento 2. Allí el GC es menor y la presión arterial empieza a bajar. Los barorreceptores detectan el descenso y el reflejo barorreceptor aumenta la actividad simpática. Suben la contractilidad y la frecuencia cardíaca, lo que da una nueva CFC (roja); sube la RPT y baja la distensibilidad venosa, lo que da una nueva CFV (roja), desplazada de nuevo a la derecha y con menor pendiente. Las nuevas curvas se cortan en el punto de funcionamiento 3, con un GC mayor que en el punto 2 pero aún inferior al normal: la compensación es solo parcial. En días o semanas se recupera el volumen plasmático: el riñón retiene sal y agua y el hígado sintetiza nuevas proteínas plasmáticas. Al recuperarse el volumen, la PCM y el GC vuelven hacia sus valores normales y el reflejo se atenúa gradualmente. </translation>
    </message>
    <message>
        <location filename="../src/concepts/ConceptTexts.cpp" line="187"/>
        <source>Orthostatic or postural changes effect the distribution of blood volume and can produce effects similar to those produced by blood loss. When a supine person is tilted upright, gravity quickly shifts blood out of the central veins into the distensible veins of the abdomen and legs. Total blood volume is unchanged, but less of it fills the central vessels, so mcp falls (point 1) and the VFC moves to the left. CO and arterial pressure therefore fall (point 2). Within seconds the baroreceptor reflex raises contractility, heart rate and TPR and reduces venous compliance, and CO is restored nearly to its supine level (point 3). Spinal reflexes that constrict the blood vessels of the legs also help in this response. In the upright position CO therefore settles slightly lower, and TPR slightly higher, than in the supine position. Where the sympathetic responses are defective, as in some autonomic disorders or with certain drugs, arterial pressure cannot be maintained and fainting may occur. </source>
        <translation>Los cambios ortostáticos o posturales afectan a la distribución del volumen sanguíneo y pueden tener efectos similares a los de una pérdida de sangre. Al inclinar hasta la vertical a una persona en decúbito supino, la gravedad desplaza rápidamente sangre de las venas centrales a las venas distensibles del abdomen y las piernas. El volumen sanguíneo total no cambia, pero llena menos los vasos centrales: la PCM disminuye (punto 1) y la CFV se desplaza a la izquierda. Por tanto, el GC y la presión arterial bajan (punto 2). En segundos, el reflejo barorreceptor aumenta la contractilidad, la frecuencia cardíaca y la RPT y reduce la distensibilidad venosa, y el GC se recupera casi hasta su nivel en decúbito (punto 3). También contribuyen los reflejos espinales que contraen los vasos de las piernas. Así, en bipedestación el GC queda algo más bajo, y la RPT algo más alta, que en decúbito. Si las respuestas simpáticas fallan, como en algunos trastornos autonómicos o con ciertos fármacos, la presión arterial no puede mantenerse y puede producirse un síncope. </translation>
    </message>
    <message>
        <location filename="../src/concepts/ConceptTexts.cpp" line="204"/>
        <source>Heart failure is a general term which describes a diminished pumping function that is no longer fully adequate to provide perfusion for all organs and tissues. Its main defect is a reduced contractility. This may arise acutely, as with a myocardial infarction, or develop over time, as with long-standing hypertension or chronic ischemia. In the figure the points 1 show acute failure of moderate (blue) or severe (red) degree: the CFC is depressed, and the operating point moves to a lower CO and a higher CVP. The points 2 show the later, partial recovery. The kidney retains salt and water, blood volume and mcp rise, and the VFC moves to the right, so the heart works at a higher CVP and, by the Frank-Starling mechanism, a larger CO. Once this reserve is used up, more fluid only raises CVP further without raising CO. Positive inotropic drugs may raise contractility and CO, but they also raise the oxygen demand of the myocardium, which may further harm a heart that is already short of oxygen.</source>
        <translation>La insuficiencia cardíaca es un término general que describe una función de bomba disminuida que ya no basta para perfundir todos los órganos y tejidos. Su defecto principal es una contractilidad reducida. Puede aparecer de forma aguda, como en un infarto de miocardio, o con el tiempo, como en la hipertensión de larga evolución o la isquemia crónica. En la figura, los puntos 1 muestran una insuficiencia aguda moderada (azul) o grave (roja): la CFC está deprimida y el punto de funcionamiento pasa a un GC menor y una PVC mayor. Los puntos 2 muestran la recuperación parcial posterior. El riñón retiene sal y agua, el volumen sanguíneo y la PCM aumentan y la CFV se desplaza a la derecha, de modo que el corazón trabaja con una PVC más alta y, por el mecanismo de Frank-Starling, con un GC mayor. Agotada esta reserva, más líquido solo eleva la PVC sin aumentar el GC. Los inotrópicos positivos pueden aumentar la contractilidad y el GC, pero también la demanda de oxígeno del miocardio, lo que puede dañar aún más un corazón que ya sufre falta de oxígeno.</translation>
    </message>
    <message>
        <location filename="../src/concepts/Interactions.cpp" line="37"/>
        <source>  INTERACTIONS AND CHANGES   </source>
        <translation>  INTERACCIONES Y CAMBIOS   </translation>
    </message>
    <message>
        <location filename="../src/concepts/Interactions.cpp" line="42"/>
        <source> Total Peripheral Resistance (TPR)</source>
        <translation> Resistencia periférica total (RPT)</translation>
    </message>
    <message>
        <location filename="../src/concepts/Interactions.cpp" line="47"/>
        <source> Blood Volume and Compliance</source>
        <translation> Volumen sanguíneo y distensibilidad</translation>
    </message>
    <message>
        <location filename="../src/concepts/Interactions.cpp" line="52"/>
        <source> Cardiac Contractility</source>
        <translation> Contractilidad cardíaca</translation>
    </message>
    <message>
        <location filename="../src/concepts/Interactions.cpp" line="57"/>
        <source> Blood Loss</source>
        <translation> Pérdida de sangre</translation>
    </message>
    <message>
        <location filename="../src/concepts/Interactions.cpp" line="62"/>
        <source> Orthostatic (postural)</source>
        <translation> Ortostatismo (postural)</translation>
    </message>
    <message>
        <location filename="../src/concepts/Interactions.cpp" line="67"/>
        <source> Heart Failure</source>
        <translation> Insuficiencia cardíaca</translation>
    </message>
    <message>
        <location filename="../src/concepts/VascularFunctionCurves.cpp" line="31"/>
        <source>  VASCULAR FUNCTION CURVES   </source>
        <translation>  CURVAS DE FUNCIÓN VASCULAR   </translation>
    </message>
    <message>
        <location filename="../src/concepts/VascularFunctionCurves.cpp" line="33"/>
        <source> What is a Vascular Function Curve?</source>
        <translation> ¿Qué es una curva de función vascular?</translation>
    </message>
    <message>
        <location filename="../src/concepts/VascularFunctionCurves.cpp" line="36"/>
        <source> Region 1 </source>
        <translation> Región 1 </translation>
    </message>
    <message>
        <location filename="../src/concepts/VascularFunctionCurves.cpp" line="38"/>
        <source> Region 2 </source>
        <translation> Región 2 </translation>
    </message>
    <message>
        <location filename="../src/concepts/VascularFunctionCurves.cpp" line="39"/>
        <source> Regions 3 and 4 </source>
        <translation> Regiones 3 y 4 </translation>
    </message>
    <message>
        <location filename="../src/concepts/VascularFunctionCurves.cpp" line="41"/>
        <source> Vascular-Cardiac Relationships</source>
        <translation> Relaciones vascular-cardíacas</translation>
    </message>
</context>
<context>
    <name>Figure</name>
    <message>
        <location filename="../src/figures/CardiacFigures.cpp" line="24"/>
        <source>Cardiac function curve</source>
        <translation>Curva de función cardíaca</translation>
    </message>
    <message>
        <location filename="../src/figures/CardiacFigures.cpp" line="25"/>
        <source>A single thick black cardiac function curve: cardiac output (CO, l/min, upward) against central venous pressure (CVP, mmHg, to the right). The curve lies almost flat at about 0.3 l/min while CVP is below about -2 mmHg, rises steeply between a CVP of about -1.7 and 3.4 mmHg, and levels off at about 7.5 l/min from a CVP of about 5.4 mmHg. At a CVP of about 2 mmHg the heart pumps about 5 l/min. At the upper right the words &quot;Cardiac Function Curve&quot; point with an arrow at the plateau.</source>
        <translation>Una única curva de función cardíaca, negra y gruesa: gasto cardíaco (GC, l/min, hacia arriba) frente a presión venosa central (PVC, mmHg, hacia la derecha). La curva es casi plana, a unos 0,3 l/min, mientras la PVC está por debajo de unos -2 mmHg, sube bruscamente entre una PVC de unos -1,7 y 3,4 mmHg y se estabiliza en unos 7,5 l/min a partir de una PVC de unos 5,4 mmHg. Con una PVC de unos 2 mmHg, el corazón bombea unos 5 l/min. Arriba a la derecha, las palabras «Curva de función cardíaca» señalan la meseta con una flecha.</translation>
    </message>
    <message>
        <location filename="../src/figures/CardiacFigures.cpp" line="47"/>
        <source>Increased</source>
        <translation>Mayor</translation>
    </message>
    <message>
        <location filename="../src/figures/CardiacFigures.cpp" line="48"/>
        <location filename="../src/figures/CardiacFigures.cpp" line="52"/>
        <source>Contractility</source>
        <translation>contractilidad</translation>
    </message>
    <message>
        <location filename="../src/figures/CardiacFigures.cpp" line="51"/>
        <source>Decreased</source>
        <translation>Menor</translation>
    </message>
    <message>
        <location filename="../src/figures/CardiacFigures.cpp" line="65"/>
        <source>Cardiac function curves for changes in contractility</source>
        <translation>Curvas de función cardíaca con cambios de la contractilidad</translation>
    </message>
    <message>
        <location filename="../src/figures/CardiacFigures.cpp" line="66"/>
        <source>Three cardiac function curves on the same axes: the black control curve, a red curve for increased contractility and a blue curve for decreased contractility. The red curve rises earlier and more steeply and levels off at about 11.4 l/min; the blue curve starts at a CVP of about -3 mmHg, rises slowly and levels off at about 4.1 l/min. A dotted vertical line at a CVP of about 1.3 mmHg meets the three curves at small circles: about 8.2 l/min on the red curve, 3.7 l/min on the black control curve and 1.3 l/min on the blue curve, so at the same filling pressure a stronger heart pumps more and a weaker heart less. The labels &quot;Increased Contractility&quot; at the upper left and &quot;Decreased Contractility&quot; at the lower right point with curved arrows at the red and blue curves.</source>
        <translation>Tres curvas de función cardíaca en los mismos ejes: la curva control negra, una curva roja de contractilidad aumentada y una curva azul de contractilidad disminuida. La curva roja sube antes y con más pendiente y se estabiliza en unos 11,4 l/min; la curva azul empieza a una PVC de unos -3 mmHg, sube lentamente y se estabiliza en unos 4,1 l/min. Una línea vertical de puntos a una PVC de unos 1,3 mmHg corta las tres curvas en pequeños círculos: unos 8,2 l/min en la curva roja, 3,7 l/min en la curva control negra y 1,3 l/min en la curva azul, de modo que, con la misma presión de llenado, un corazón más fuerte bombea más y uno más débil, menos. Los rótulos «Mayor contractilidad», arriba a la izquierda, y «Menor contractilidad», abajo a la derecha, señalan con flechas curvas las curvas roja y azul.</translation>
    </message>
    <message>
        <location filename="../src/figures/VascularFigures.cpp" line="135"/>
        <location filename="../src/figures/ScenarioFigures.cpp" line="84"/>
        <source>Operating</source>
        <translation>Punto de</translation>
    </message>
    <message>
        <location filename="../src/figures/VascularFigures.cpp" line="136"/>
        <location filename="../src/figures/ScenarioFigures.cpp" line="85"/>
        <source>Point</source>
        <translation>funcionam.</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="90"/>
        <location filename="../src/figures/SharedElements.cpp" line="289"/>
        <source>Cardiac</source>
        <translation>Curva de</translation>
    </message>
    <message>
        <location filename="../src/figures/VascularFigures.cpp" line="144"/>
        <location filename="../src/figures/ScenarioFigures.cpp" line="91"/>
        <location filename="../src/figures/ScenarioFigures.cpp" line="95"/>
        <location filename="../src/figures/SharedElements.cpp" line="290"/>
        <source>Function</source>
        <translation>función</translation>
    </message>
    <message>
        <location filename="../src/figures/VascularFigures.cpp" line="145"/>
        <location filename="../src/figures/ScenarioFigures.cpp" line="92"/>
        <location filename="../src/figures/ScenarioFigures.cpp" line="96"/>
        <location filename="../src/figures/SharedElements.cpp" line="291"/>
        <source>Curve</source>
        <translation>cardíaca</translation>
    </message>
    <message>
        <location filename="../src/figures/VascularFigures.cpp" line="81"/>
        <location filename="../src/figures/ScenarioFigures.cpp" line="93"/>
        <source>CFC</source>
        <translation>CFC</translation>
    </message>
    <message>
        <location filename="../src/figures/VascularFigures.cpp" line="143"/>
        <location filename="../src/figures/ScenarioFigures.cpp" line="94"/>
        <source>Vascular</source>
        <translation>Curva de</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="97"/>
        <source>VFC</source>
        <translation>CFV</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="99"/>
        <source>Slope</source>
        <translation>La RPT</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="100"/>
        <source> depends</source>
        <translation> fija la pendiente</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="101"/>
        <source> on TPR</source>
        <translation> de la CFV</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="103"/>
        <source>mcp depends </source>
        <translation>PCM depende </translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="104"/>
        <source>on volume &amp;</source>
        <translation>del volumen y</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="105"/>
        <source> compliance</source>
        <translation> distensibilidad</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="109"/>
        <source>Contractility &amp;</source>
        <translation>Depende de la</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="110"/>
        <source>sympathetic</source>
        <translation>contractilidad y</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="111"/>
        <source>dependent</source>
        <translation>del simpático</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="115"/>
        <source>Primary Factors Affecting Interaction</source>
        <translation>Factores principales de la interacción</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="119"/>
        <source>Cardiac and vascular function curves of a healthy circulation</source>
        <translation>Curvas de función cardíaca y vascular de una circulación sana</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="121"/>
        <source>The cardiac function curve (CFC) and the vascular function curve (VFC) of a healthy circulation, both in black. The VFC falls in a straight line from the mean circulatory pressure on the CVP axis (CVP 6.9 mmHg, marked by a black dot) and levels off at 7 l/min at low CVP; the CFC rises steeply from near zero and levels off at about 7.5 l/min. They cross at the operating point, CVP about 2 mmHg and CO 5 l/min, marked by a black dot with dotted guides to both axes. Notes name what shapes each curve: the slope of the VFC depends on TPR, the mean circulatory pressure on volume and compliance, and the height of the CFC on contractility and sympathetic drive.</source>
        <translation>La curva de función cardíaca (CFC) y la curva de función vascular (CFV) de una circulación sana, ambas en negro. La CFV desciende en línea recta desde la presión circulatoria media en el eje de la PVC (PVC de 6,9 mmHg, marcada con un punto negro) y se estabiliza en 7 l/min con PVC bajas; la CFC sube bruscamente desde casi cero y se estabiliza en unos 7,5 l/min. Se cortan en el punto de funcionamiento, con una PVC de unos 2 mmHg y un GC de 5 l/min, marcado con un punto negro con guías de puntos hacia ambos ejes. Unas notas indican qué da forma a cada curva: la pendiente de la CFV depende de la RPT; la presión circulatoria media, del volumen y de la distensibilidad; y la altura de la CFC, de la contractilidad y de la estimulación simpática.</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="140"/>
        <source>Heart</source>
        <translation>Insuf.</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="141"/>
        <source>Failure - Decreased Contractility</source>
        <translation>cardíaca: contractilidad reducida</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="149"/>
        <source>Moderate</source>
        <translation>Insuf.</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="150"/>
        <location filename="../src/figures/ScenarioFigures.cpp" line="190"/>
        <source>Failure</source>
        <translation>moderada</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="168"/>
        <source>Normal VFC</source>
        <translation>CFV normal</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="174"/>
        <source>Normal CFC</source>
        <translation>CFC normal</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="189"/>
        <source>Severe</source>
        <translation>Insuf.</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="199"/>
        <source>Heart failure</source>
        <translation>Insuficiencia cardíaca</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="200"/>
        <source>Heart failure with decreased contractility. The normal curves are black: the normal CFC and the normal VFC cross at A, CVP about 2 mmHg and CO 5 l/min. In moderate failure the CFC, in blue, is lower and levels off at about 5 l/min; it first meets the normal VFC at blue point 1 (CVP 3, CO 4). In severe failure the CFC, in red, levels off at only 3 l/min and meets the normal VFC at red point 1 (CVP 4.3, CO 2.7). Fluid retention then raises the VFC, drawn as black square dashes, moving its mean circulatory pressure from 6.9 to 8.9 mmHg (arrow along the CVP axis); the new crossings, points 2, bring CO back to about 4.7 l/min at CVP 4.4 in moderate failure and 3 l/min at CVP 6.2 in severe failure, at the price of a much higher CVP.</source>
        <translation>Insuficiencia cardíaca con contractilidad disminuida. Las curvas normales son negras: la CFC normal y la CFV normal se cortan en A, con una PVC de unos 2 mmHg y un GC de 5 l/min. En la insuficiencia moderada, la CFC, en azul, es más baja y se estabiliza en unos 5 l/min; corta primero la CFV normal en el punto azul 1 (PVC 3, GC 4). En la insuficiencia grave, la CFC, en rojo, se estabiliza en solo 3 l/min y corta la CFV normal en el punto rojo 1 (PVC 4,3, GC 2,7). La retención de líquido eleva después la CFV, dibujada con trazos cuadrados negros, y desplaza su presión circulatoria media de 6,9 a 8,9 mmHg (flecha a lo largo del eje de la PVC); los nuevos cruces, los puntos 2, devuelven el GC a unos 4,7 l/min con una PVC de 4,4 en la insuficiencia moderada y a 3 l/min con una PVC de 6,2 en la grave, a costa de una PVC mucho más alta.</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="280"/>
        <source>Initial </source>
        <translation>Punto de </translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="280"/>
        <source>operating </source>
        <translation>funcionamiento </translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="281"/>
        <source>point</source>
        <translation>inicial</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="284"/>
        <source>3. After initial</source>
        <translation>3. Tras reflejos</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="285"/>
        <source>   sympathetic</source>
        <translation>   simpáticos</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="286"/>
        <source>   reflexes</source>
        <translation>   iniciales</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="290"/>
        <source>Sympathetic causes a decrease </source>
        <translation>El simpático reduce la </translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="291"/>
        <source>in venous compliance (increase</source>
        <translation>distensibilidad venosa (sube</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="292"/>
        <source> in MCP) and an increase in TPR </source>
        <translation> la PCM) y aumenta la RPT, </translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="296"/>
        <source>Baroreceptor sympathetic</source>
        <translation>Reflejo barorreceptor</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="297"/>
        <source>reflexes increase cardiac</source>
        <translation>simpático: aumenta la</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="298"/>
        <source>contractility and heart rate</source>
        <translation>contractilidad y la FC</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="327"/>
        <source>Tilt from supine (0</source>
        <translation>Paso de supino (0</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="329"/>
        <source>) to upright (90</source>
        <translation>) a vertical (90</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="332"/>
        <source>Tilt from supine (0°) to upright (90°)</source>
        <translation>Paso de decúbito supino (0°) a posición vertical (90°)</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="333"/>
        <source>1. Reduced central vein volume decreases MCP</source>
        <translation>1. Menor volumen venoso central reduce la PCM</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="340"/>
        <location filename="../src/figures/ScenarioFigures.cpp" line="393"/>
        <source>2. Less CO </source>
        <translation>2. Menos GC </translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="340"/>
        <location filename="../src/figures/ScenarioFigures.cpp" line="393"/>
        <source>causes less </source>
        <translation>reduce la </translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="341"/>
        <location filename="../src/figures/ScenarioFigures.cpp" line="394"/>
        <source>arterial BP</source>
        <translation>presión art.</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="341"/>
        <source>(transient)</source>
        <translation>(temporal)</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="345"/>
        <source>resulting in a shift of VFC back</source>
        <translation>lo que desplaza de nuevo la CFV</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="346"/>
        <source>to the right and a smaller slope</source>
        <translation>a la derecha con menor pendiente</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="350"/>
        <source>Orthostatic (postural) changes</source>
        <translation>Cambios ortostáticos (posturales)</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="351"/>
        <source>Tilting from lying to standing. The black curves are the control CFC and VFC, crossing at the initial operating point A (CVP about 2 mmHg, CO 5 l/min). Blood pooling in the legs lowers the central vein volume: the VFC, in blue, shifts left to a mean circulatory pressure of 3 mmHg (point 1 on the CVP axis), and it meets the control CFC at blue point 2, CVP 0.5 and CO 2.5 l/min, so CO and arterial pressure fall for a while. Baroreceptor reflexes then raise contractility and heart rate, giving the higher red CFC, and lower venous compliance and raise TPR, giving the red VFC with its foot at 5.5 mmHg and a smaller slope. The red curves cross at point 3, CVP about 0.9 and CO about 4.6 l/min, close to the initial CO at a lower CVP.</source>
        <translation>Paso de decúbito a bipedestación. Las curvas negras son la CFC y la CFV control, que se cortan en el punto de funcionamiento inicial A (PVC de unos 2 mmHg, GC de 5 l/min). La acumulación de sangre en las piernas reduce el volumen de las venas centrales: la CFV, en azul, se desplaza a la izquierda hasta una presión circulatoria media de 3 mmHg (punto 1 en el eje de la PVC) y corta la CFC control en el punto azul 2, con una PVC de 0,5 y un GC de 2,5 l/min, de modo que el GC y la presión arterial disminuyen durante un tiempo. Los reflejos barorreceptores aumentan después la contractilidad y la frecuencia cardíaca, lo que da la CFC roja, más alta, y reducen la distensibilidad venosa y aumentan la RPT, lo que da la CFV roja, con su pie a 5,5 mmHg y menor pendiente. Las curvas rojas se cortan en el punto 3, con una PVC de unos 0,9 y un GC de unos 4,6 l/min, cerca del GC inicial pero con una PVC más baja.</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="382"/>
        <source>Blood Loss - Initial Changes </source>
        <translation>Hemorragia: cambios iniciales </translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="385"/>
        <source>Blood Loss - Initial Changes</source>
        <translation>Hemorragia: cambios iniciales</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="386"/>
        <source>1. Reduced volume  decreases MCP</source>
        <translation>1. Menor volumen reduce la PCM</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="398"/>
        <source>resulting in a shift of VFC to the </source>
        <translation>lo que desplaza la CFV a la </translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="399"/>
        <source>right and a smaller slope</source>
        <translation>derecha con menor pendiente</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="403"/>
        <source>Blood loss</source>
        <translation>Pérdida de sangre</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="404"/>
        <source>The first minutes after a blood loss. The black curves are the control CFC and VFC, crossing at the initial operating point A (CVP about 2 mmHg, CO 5 l/min). The lost volume lowers the mean circulatory pressure to 3 mmHg (point 1 on the CVP axis): the blue VFC meets the control CFC at blue point 2, CVP 0.5 and CO 2.5 l/min, so CO and arterial pressure fall. Sympathetic reflexes raise contractility and heart rate, giving the higher red CFC, and lower venous compliance and raise TPR, giving the red VFC with its foot at 5.6 mmHg and a smaller slope. The red curves cross at point 3, CVP about 0 and CO about 3.9 l/min: CO recovers part of the way while CVP stays low.</source>
        <translation>Los primeros minutos tras una pérdida de sangre. Las curvas negras son la CFC y la CFV control, que se cortan en el punto de funcionamiento inicial A (PVC de unos 2 mmHg, GC de 5 l/min). El volumen perdido reduce la presión circulatoria media a 3 mmHg (punto 1 en el eje de la PVC): la CFV azul corta la CFC control en el punto azul 2, con una PVC de 0,5 y un GC de 2,5 l/min, de modo que el GC y la presión arterial disminuyen. Los reflejos simpáticos aumentan la contractilidad y la frecuencia cardíaca, lo que da la CFC roja, más alta, y reducen la distensibilidad venosa y aumentan la RPT, lo que da la CFV roja, con su pie a 5,6 mmHg y menor pendiente. Las curvas rojas se cortan en el punto 3, con una PVC de unos 0 y un GC de unos 3,9 l/min: el GC se recupera en parte, mientras que la PVC sigue baja.</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="440"/>
        <source>Increased contractility</source>
        <translation>Mayor contractilidad</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="441"/>
        <source>achieves more CO</source>
        <translation>logra más GC</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="442"/>
        <source>at less required CVP</source>
        <translation>con menos PVC</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="444"/>
        <source>Reduced contractility</source>
        <translation>Menor contractilidad</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="445"/>
        <source>causes less CO even</source>
        <translation>da menos GC aunque</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="446"/>
        <source>though CVP is greater</source>
        <translation>la PVC sea mayor</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="450"/>
        <source>Changes in contractility</source>
        <translation>Cambios de la contractilidad</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="451"/>
        <source>Changes in contractility with the vascular function curve unchanged. The black control CFC and the black VFC cross at the pale-yellow operating point, CVP about 2 mmHg and CO 5 l/min. Increased contractility gives the red CFC, which rises earlier and levels off at about 11.4 l/min; it meets the VFC at the light red point, CVP 0.7 and CO 6.4 l/min: more output at a lower CVP. Reduced contractility gives the blue CFC, which levels off at about 4.1 l/min; it meets the VFC at the blue point, CVP 3.8 and CO 3.3 l/min: less output even though CVP is higher. Dotted guides lead from each point to both axes.</source>
        <translation>Cambios de la contractilidad con la curva de función vascular sin cambios. La CFC control negra y la CFV negra se cortan en el punto de funcionamiento amarillo pálido, con una PVC de unos 2 mmHg y un GC de 5 l/min. El aumento de la contractilidad da la CFC roja, que sube antes y se estabiliza en unos 11,4 l/min; corta la CFV en el punto rojo claro, con una PVC de 0,7 y un GC de 6,4 l/min: más gasto con una PVC más baja. La reducción de la contractilidad da la CFC azul, que se estabiliza en unos 4,1 l/min; corta la CFV en el punto azul, con una PVC de 3,8 y un GC de 3,3 l/min: menos gasto aunque la PVC sea más alta. Unas guías de puntos van desde cada punto hasta ambos ejes.</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="478"/>
        <source>Volume and Compliance Affect MCP</source>
        <translation>Volumen, distensibilidad y PCM</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="480"/>
        <source>Vascular Filling</source>
        <translation>Llenado vascular</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="481"/>
        <source> Relative to Capacity</source>
        <translation> relativo a la capacidad</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="503"/>
        <source>MCP shifts in</source>
        <translation>La PCM varía</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="504"/>
        <source>proportion to</source>
        <translation>en proporción</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="505"/>
        <source>volume or </source>
        <translation>al cambio de </translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="506"/>
        <source>compliance</source>
        <translation>distensibilidad</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="507"/>
        <source>change</source>
        <translation>o volumen</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="509"/>
        <source>Greater CO due </source>
        <translation>Más GC </translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="510"/>
        <source>to increased CVP</source>
        <translation>por mayor PVC</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="512"/>
        <source>Less CO due </source>
        <translation>Menos GC </translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="513"/>
        <source>to reduced CVP</source>
        <translation>por menor PVC</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="516"/>
        <source>Changes in blood volume and compliance</source>
        <translation>Cambios del volumen sanguíneo y de la distensibilidad</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="517"/>
        <source>How blood volume and venous compliance set the mean circulatory pressure (MCP), the foot of the vascular function curve on the CVP axis. The black control VFC (MCP 6.9 mmHg) meets the black control CFC at CVP about 2 mmHg and CO 5 l/min. More volume or less compliance shifts the VFC to the right, in light red, with its foot at 8.7 mmHg: it meets the CFC at CVP 3 and CO 6.25 l/min, greater CO because CVP is higher. Less volume or more compliance shifts it to the left, in blue, with its foot at 4.8 mmHg: it meets the CFC at CVP 1.2 and CO 3.7 l/min. The slopes stay the same; under the axis, arrows show which change moves the MCP which way.</source>
        <translation>Cómo el volumen sanguíneo y la distensibilidad venosa determinan la presión circulatoria media (PCM), el pie de la curva de función vascular en el eje de la PVC. La CFV control negra (PCM de 6,9 mmHg) corta la CFC control negra con una PVC de unos 2 mmHg y un GC de 5 l/min. Más volumen o menos distensibilidad desplazan la CFV a la derecha, en rojo claro, con su pie a 8,7 mmHg: corta la CFC con una PVC de 3 y un GC de 6,25 l/min, un GC mayor porque la PVC es más alta. Menos volumen o más distensibilidad la desplazan a la izquierda, en azul, con su pie a 4,8 mmHg: corta la CFC con una PVC de 1,2 y un GC de 3,7 l/min. Las pendientes no cambian; bajo el eje, unas flechas indican qué cambio desplaza la PCM en cada sentido.</translation>
    </message>
    <message>
        <location filename="../src/figures/VascularFigures.cpp" line="217"/>
        <location filename="../src/figures/ScenarioFigures.cpp" line="541"/>
        <source>Vasodilation</source>
        <translation>Vasodilatación</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="545"/>
        <source>With reduced TPR</source>
        <translation>Con menor RPT</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="546"/>
        <source>larger CO</source>
        <translation>más GC</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="547"/>
        <source>with same</source>
        <translation>con la misma</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="548"/>
        <source>cardiac contractilty</source>
        <translation>contractilidad</translation>
    </message>
    <message>
        <location filename="../src/figures/VascularFigures.cpp" line="218"/>
        <location filename="../src/figures/ScenarioFigures.cpp" line="550"/>
        <source>Vasoconstriction</source>
        <translation>Vasoconstricción</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="555"/>
        <source>Changes in TPR Change Slope of VFC </source>
        <translation>La RPT cambia la pendiente de la CFV </translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="560"/>
        <source>Changes in total peripheral resistance</source>
        <translation>Cambios de la resistencia periférica total</translation>
    </message>
    <message>
        <location filename="../src/figures/ScenarioFigures.cpp" line="561"/>
        <source>How total peripheral resistance (TPR) changes the slope of the vascular function curve while its foot, the mean circulatory pressure at about 6.9 mmHg (black dot), stays put. The black control VFC meets the black control CFC at the pale-yellow operating point, CVP about 2 mmHg and CO 5 l/min. Vasodilation lowers TPR and makes the VFC steeper, in light red: it meets the CFC at the light red point, CVP 2.9 and CO 6.1 l/min, a larger CO with the same contractility. Vasoconstriction raises TPR and flattens the VFC, in blue: it meets the CFC at the blue point, CVP 1.4 and CO 4.1 l/min. Dotted guides lead from both points to the CO axis.</source>
        <translation>Cómo la resistencia periférica total (RPT) cambia la pendiente de la curva de función vascular mientras su pie, la presión circulatoria media de unos 6,9 mmHg (punto negro), no se mueve. La CFV control negra corta la CFC control negra en el punto de funcionamiento amarillo pálido, con una PVC de unos 2 mmHg y un GC de 5 l/min. La vasodilatación reduce la RPT y hace más pronunciada la CFV, en rojo claro: corta la CFC en el punto rojo claro, con una PVC de 2,9 y un GC de 6,1 l/min, un GC mayor con la misma contractilidad. La vasoconstricción eleva la RPT y aplana la CFV, en azul: corta la CFC en el punto azul, con una PVC de 1,4 y un GC de 4,1 l/min. Unas guías de puntos van desde ambos puntos hasta el eje del GC.</translation>
    </message>
    <message>
        <location filename="../src/figures/SharedElements.cpp" line="62"/>
        <source>CO</source>
        <translation>GC</translation>
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
        <translation>PVC</translation>
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
        <translation>Control</translation>
    </message>
    <message>
        <location filename="../src/figures/TestFigure.cpp" line="101"/>
        <source>Practice test figure</source>
        <translation>Figura del test de autoevaluación</translation>
    </message>
    <message>
        <location filename="../src/figures/TestFigure.cpp" line="102"/>
        <source>The practice test&apos;s figure: three cardiac function curves and three vascular function curves on one graph. The cardiac curves are the dashed control curve, A in red (higher, levelling off near 11.4 l/min) and B in blue (lower, levelling off near 4.1 l/min); the vascular curves are the dashed control line, C (foot at the same mean circulatory pressure of 6.9 mmHg but much steeper, levelling off at 11 l/min) and D (foot shifted left to 4 mmHg, levelling off at 5 l/min). S marks where the two control curves cross, at CVP about 2 mmHg and CO 5 l/min. The numbered circles mark the other crossings: 1 is A with D, 2 is A with the control VFC, 3 is A with C, 4 is the control CFC with D, 5 is the control CFC with C, 6 is B with D, 7 is B with the control VFC and 8 is B with C.</source>
        <translation>La figura del test de autoevaluación: tres curvas de función cardíaca y tres curvas de función vascular en una misma gráfica. Las curvas cardíacas son la curva control discontinua, A en rojo (más alta, se estabiliza cerca de 11,4 l/min) y B en azul (más baja, se estabiliza cerca de 4,1 l/min); las curvas vasculares son la recta control discontinua, C (pie en la misma presión circulatoria media de 6,9 mmHg, pero mucho más pronunciada, se estabiliza en 11 l/min) y D (pie desplazado a la izquierda, a 4 mmHg, se estabiliza en 5 l/min). S marca el cruce de las dos curvas control, con una PVC de unos 2 mmHg y un GC de 5 l/min. Los círculos numerados marcan los demás cruces: 1 es A con D, 2 es A con la CFV control, 3 es A con C, 4 es la CFC control con D, 5 es la CFC control con C, 6 es B con D, 7 es B con la CFV control y 8 es B con C.</translation>
    </message>
    <message>
        <location filename="../src/figures/VascularFigures.cpp" line="106"/>
        <source>A Vascular Function Curve (VFC)</source>
        <translation>Una curva de función vascular (CFV)</translation>
    </message>
    <message>
        <location filename="../src/figures/VascularFigures.cpp" line="108"/>
        <source>has four important basic regions </source>
        <translation>tiene cuatro regiones fundamentales </translation>
    </message>
    <message>
        <location filename="../src/figures/VascularFigures.cpp" line="111"/>
        <source>Vascular function curve and its four regions</source>
        <translation>Curva de función vascular y sus cuatro regiones</translation>
    </message>
    <message>
        <location filename="../src/figures/VascularFigures.cpp" line="112"/>
        <source>A vascular function curve: venous return against central venous pressure (CVP), drawn as a black line. From its foot on the CVP axis at about 6.9 mmHg, the mean circulatory pressure, it rises in a straight slope to the left up to 5 l/min at a CVP of about -0.5 mmHg and then runs flat to the left edge. Four numbered regions are marked with black circled numbers: 1 just under the foot, 2 beside the sloping part, 3 under the bend and 4 above the flat part; curly braces span the sloping part and the flat part. The title reads &quot;A Vascular Function Curve (VFC) has four important basic regions&quot;.</source>
        <translation>Una curva de función vascular: retorno venoso frente a presión venosa central (PVC), dibujada como una línea negra. Desde su pie en el eje de la PVC, a unos 6,9 mmHg, la presión circulatoria media, sube en línea recta hacia la izquierda hasta 5 l/min a una PVC de unos -0,5 mmHg y luego sigue plana hasta el borde izquierdo. Cuatro regiones numeradas están marcadas con números negros en círculo: 1 justo debajo del pie, 2 junto a la parte inclinada, 3 debajo del codo y 4 encima de la parte plana; unas llaves abarcan la parte inclinada y la parte plana. El título dice «Una curva de función vascular (CFV) tiene cuatro regiones fundamentales».</translation>
    </message>
    <message>
        <location filename="../src/figures/VascularFigures.cpp" line="155"/>
        <source>Control vascular and cardiac function curves</source>
        <translation>Curvas de función vascular y cardíaca control</translation>
    </message>
    <message>
        <location filename="../src/figures/VascularFigures.cpp" line="156"/>
        <source>The control vascular function curve and the control cardiac function curve, both thick black, drawn on the same axes. The vascular curve runs flat at 7 l/min on the left and falls to its foot on the CVP axis at about 6.9 mmHg, marked by a black dot; the cardiac curve rises from the lower left to a plateau at about 7.5 l/min. They cross at the operating point, a CVP of about 2 mmHg and a CO of 5 l/min, marked by a pale-yellow circle, with dotted arrows down to the CVP axis and left to the CO axis and an arrow from the words &quot;Operating Point&quot;. Labels name the &quot;Cardiac Function Curve&quot; at the upper right and the &quot;Vascular Function Curve&quot; at the upper left, and circled region numbers 1 to 4 sit along the vascular curve.</source>
        <translation>La curva de función vascular control y la curva de función cardíaca control, ambas negras y gruesas, dibujadas en los mismos ejes. La curva vascular es plana a 7 l/min a la izquierda y desciende hasta su pie en el eje de la PVC, a unos 6,9 mmHg, marcado con un punto negro; la curva cardíaca sube desde abajo a la izquierda hasta una meseta de unos 7,5 l/min. Se cortan en el punto de funcionamiento, con una PVC de unos 2 mmHg y un GC de 5 l/min, marcado con un círculo amarillo pálido, con flechas de puntos hacia abajo, al eje de la PVC, y hacia la izquierda, al eje del GC, y una flecha desde las palabras «Punto de funcionamiento». Unos rótulos nombran la «Curva de función cardíaca», arriba a la derecha, y la «Curva de función vascular», arriba a la izquierda, y los números de región 1 a 4, en círculos, se sitúan a lo largo de la curva vascular.</translation>
    </message>
    <message>
        <location filename="../src/figures/VascularFigures.cpp" line="183"/>
        <source>Three different VFC and one CFC for reference</source>
        <translation>Tres CFV distintas y una CFC de referencia</translation>
    </message>
    <message>
        <location filename="../src/figures/VascularFigures.cpp" line="190"/>
        <source>Vascular function curves shifted in parallel</source>
        <translation>Curvas de función vascular desplazadas en paralelo</translation>
    </message>
    <message>
        <location filename="../src/figures/VascularFigures.cpp" line="191"/>
        <source>Three parallel vascular function curves with one cardiac function curve for reference. The curves share the same slope but meet the CVP axis at different points, each marked by a dot in its colour and a letter under the axis: blue curve C at about 4.8 mmHg, levelling off at 3.75 l/min; black curve B, the control, at about 6.9 mmHg, levelling off at 5 l/min; red curve A at about 8.7 mmHg, levelling off at 6.25 l/min. The black cardiac function curve, labelled CFC, rises across all three. The title reads &quot;Three different VFC and one CFC for reference&quot;.</source>
        <translation>Tres curvas de función vascular paralelas con una curva de función cardíaca de referencia. Las curvas tienen la misma pendiente, pero cortan el eje de la PVC en puntos distintos, cada uno marcado con un punto de su color y una letra bajo el eje: la curva azul C a unos 4,8 mmHg, que se estabiliza en 3,75 l/min; la curva negra B, la control, a unos 6,9 mmHg, que se estabiliza en 5 l/min; la curva roja A a unos 8,7 mmHg, que se estabiliza en 6,25 l/min. La curva de función cardíaca negra, rotulada CFC, atraviesa las tres. El título dice «Tres CFV distintas y una CFC de referencia».</translation>
    </message>
    <message>
        <location filename="../src/figures/VascularFigures.cpp" line="212"/>
        <source>Slope of Region 2 depends on TPR</source>
        <translation>La RPT fija la pendiente de la región 2</translation>
    </message>
    <message>
        <location filename="../src/figures/VascularFigures.cpp" line="223"/>
        <source>Vascular function curves of different slope</source>
        <translation>Curvas de función vascular de distinta pendiente</translation>
    </message>
    <message>
        <location filename="../src/figures/VascularFigures.cpp" line="224"/>
        <source>Three vascular function curves that share the same foot on the CVP axis, at about 6.9 mmHg, but differ in slope. The black control curve B rises to 5 l/min and then runs flat; the red curve A rises more steeply, to about 8.7 l/min at a CVP of about -0.6 mmHg, and is labelled vasodilation; the blue curve C rises less steeply, to only about 2.7 l/min, and is labelled vasoconstriction. The black cardiac function curve, labelled CFC, is drawn for reference, and the circled number 2 marks the sloping region. The title reads &quot;Slope of Region 2 depends on TPR&quot;.</source>
        <translation>Tres curvas de función vascular con el mismo pie en el eje de la PVC, a unos 6,9 mmHg, pero con distinta pendiente. La curva control negra B sube hasta 5 l/min y luego sigue plana; la curva roja A sube con más pendiente, hasta unos 8,7 l/min a una PVC de unos -0,6 mmHg, y está rotulada vasodilatación; la curva azul C sube con menos pendiente, solo hasta unos 2,7 l/min, y está rotulada vasoconstricción. La curva de función cardíaca negra, rotulada CFC, se muestra como referencia, y el número 2 en círculo marca la región inclinada. El título dice «La RPT fija la pendiente de la región 2».</translation>
    </message>
</context>
<context>
    <name>Introduction</name>
    <message>
        <location filename="../src/shell/Introduction.cpp" line="68"/>
        <source>Brannoc Welcomes You To</source>
        <translation>Brannoc le da la bienvenida a</translation>
    </message>
    <message>
        <location filename="../src/shell/Introduction.cpp" line="69"/>
        <source>UNDERSTANDING CARDIAC AND VASCULAR FUNCTION CURVES</source>
        <translation>COMPRENDER LAS CURVAS DE FUNCIÓN CARDÍACA Y VASCULAR</translation>
    </message>
    <message>
        <location filename="../src/shell/Introduction.cpp" line="71"/>
        <source>We recommend that you start your first session by visiting the instructions page</source>
        <translation>Le recomendamos empezar su primera sesión por la página de instrucciones</translation>
    </message>
</context>
<context>
    <name>ListBox</name>
    <message>
        <location filename="../src/shell/ListBox.cpp" line="41"/>
        <source>blank</source>
        <translation>en blanco</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <location filename="../src/shell/Menus.h" line="12"/>
        <location filename="../src/shell/Menus.h" line="15"/>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <location filename="../src/shell/Menus.h" line="16"/>
        <source>Cardiac Function Curves</source>
        <translation>Curvas de función cardíaca</translation>
    </message>
    <message>
        <location filename="../src/shell/Menus.h" line="18"/>
        <location filename="../src/shell/Menus.h" line="21"/>
        <source>Vascular Function Curves</source>
        <translation>Curvas de función vascular</translation>
    </message>
    <message>
        <location filename="../src/shell/Menus.h" line="24"/>
        <source>Vascular Funciton Curves</source>
        <translation>Curvas de función vascular</translation>
    </message>
    <message>
        <location filename="../src/shell/Menus.h" line="27"/>
        <source>Interactions/Changes</source>
        <translation>Interacciones/cambios</translation>
    </message>
    <message>
        <location filename="../src/shell/Menus.h" line="29"/>
        <source>Interactions and Changes</source>
        <translation>Interacciones y cambios</translation>
    </message>
    <message>
        <location filename="../src/shell/Menus.h" line="30"/>
        <source>Glossary</source>
        <translation>Glosario</translation>
    </message>
    <message>
        <location filename="../src/shell/Menus.h" line="32"/>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <location filename="../src/shell/Menus.h" line="33"/>
        <source>End Session</source>
        <translation>Finalizar sesión</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <location filename="../src/concepts/CardiacFunctionCurves.cpp" line="14"/>
        <source>Loop Basics</source>
        <translation>Conceptos básicos</translation>
    </message>
    <message>
        <location filename="../src/practice/Test.cpp" line="54"/>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="69"/>
        <source>Abbreviations-Definitions-Formulas</source>
        <translation>Abreviaturas-Definiciones-Fórmulas</translation>
    </message>
    <message>
        <location filename="../src/reference/Instructions.cpp" line="37"/>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <location filename="../src/shell/Introduction.cpp" line="32"/>
        <source>Introduction</source>
        <translation>Introducción</translation>
    </message>
    <message>
        <location filename="../src/shell/Page.cpp" line="31"/>
        <source>Welcome page of the learning module on cardiac and vascular function curves</source>
        <translation>Página de bienvenida del módulo de aprendizaje sobre las curvas de función cardíaca y vascular</translation>
    </message>
    <message>
        <location filename="../src/shell/Page.cpp" line="33"/>
        <source>Cardiac function curves: a list of topics, an answer box and a figure</source>
        <translation>Curvas de función cardíaca: una lista de temas, un cuadro de respuesta y una figura</translation>
    </message>
    <message>
        <location filename="../src/shell/Page.cpp" line="35"/>
        <source>Vascular function curves: a list of topics, an answer box and figures</source>
        <translation>Curvas de función vascular: una lista de temas, un cuadro de respuesta y figuras</translation>
    </message>
    <message>
        <location filename="../src/shell/Page.cpp" line="37"/>
        <source>Interactions and changes: a list of topics, an answer box and figures</source>
        <translation>Interacciones y cambios: una lista de temas, un cuadro de respuesta y figuras</translation>
    </message>
    <message>
        <location filename="../src/shell/Page.cpp" line="39"/>
        <source>Practice test: twenty multiple-choice questions on one figure</source>
        <translation>Test de autoevaluación: veinte preguntas de opción múltiple sobre una figura</translation>
    </message>
    <message>
        <location filename="../src/shell/Page.cpp" line="40"/>
        <source>Glossary of abbreviations, definitions and formulas</source>
        <translation>Glosario de abreviaturas, definiciones y fórmulas</translation>
    </message>
    <message>
        <location filename="../src/shell/Page.cpp" line="41"/>
        <source>Instructions: what the learning module contains and where to begin</source>
        <translation>Instrucciones: qué contiene el módulo de aprendizaje y por dónde empezar</translation>
    </message>
</context>
<context>
    <name>Prediction</name>
    <message>
        <location filename="../src/explorer/Prediction.cpp" line="34"/>
        <source>Contractility rises to %1% of control</source>
        <translation>La contractilidad aumenta al %1% del control</translation>
    </message>
    <message>
        <location filename="../src/explorer/Prediction.cpp" line="35"/>
        <source>Contractility falls to %1% of control</source>
        <translation>La contractilidad disminuye al %1% del control</translation>
    </message>
    <message>
        <location filename="../src/explorer/Prediction.cpp" line="37"/>
        <source>Stressed blood volume rises to %1% of control</source>
        <translation>El volumen sanguíneo tenso aumenta al %1% del control</translation>
    </message>
    <message>
        <location filename="../src/explorer/Prediction.cpp" line="38"/>
        <source>Stressed blood volume falls to %1% of control</source>
        <translation>El volumen sanguíneo tenso disminuye al %1% del control</translation>
    </message>
    <message>
        <location filename="../src/explorer/Prediction.cpp" line="40"/>
        <source>Venous compliance rises to %1% of control</source>
        <translation>La distensibilidad venosa aumenta al %1% del control</translation>
    </message>
    <message>
        <location filename="../src/explorer/Prediction.cpp" line="41"/>
        <source>Venous compliance falls to %1% of control</source>
        <translation>La distensibilidad venosa disminuye al %1% del control</translation>
    </message>
    <message>
        <location filename="../src/explorer/Prediction.cpp" line="43"/>
        <source>Total peripheral resistance rises to %1% of control</source>
        <translation>La resistencia periférica total aumenta al %1% del control</translation>
    </message>
    <message>
        <location filename="../src/explorer/Prediction.cpp" line="44"/>
        <source>Total peripheral resistance falls to %1% of control</source>
        <translation>La resistencia periférica total disminuye al %1% del control</translation>
    </message>
    <message>
        <location filename="../src/explorer/Prediction.cpp" line="50"/>
        <source>CVP rose from %1 to %2&#xa0;mmHg.</source>
        <translation>La PVC aumentó de %1 a %2&#xa0;mmHg.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Prediction.cpp" line="51"/>
        <source>CVP stayed about the same, from %1 to %2&#xa0;mmHg.</source>
        <translation>La PVC se mantuvo casi igual (de %1 a %2&#xa0;mmHg).</translation>
    </message>
    <message>
        <location filename="../src/explorer/Prediction.cpp" line="52"/>
        <source>CVP fell from %1 to %2&#xa0;mmHg.</source>
        <translation>La PVC disminuyó de %1 a %2&#xa0;mmHg.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Prediction.cpp" line="53"/>
        <source>CO rose from %1 to %2&#xa0;l/min.</source>
        <translation>El GC aumentó de %1 a %2&#xa0;l/min.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Prediction.cpp" line="54"/>
        <source>CO stayed about the same, from %1 to %2&#xa0;l/min.</source>
        <translation>El GC se mantuvo casi igual (de %1 a %2&#xa0;l/min).</translation>
    </message>
    <message>
        <location filename="../src/explorer/Prediction.cpp" line="55"/>
        <source>CO fell from %1 to %2&#xa0;l/min.</source>
        <translation>El GC disminuyó de %1 a %2&#xa0;l/min.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Prediction.cpp" line="56"/>
        <source>MSFP rose from %1 to %2&#xa0;mmHg.</source>
        <translation>La PMLS aumentó de %1 a %2&#xa0;mmHg.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Prediction.cpp" line="57"/>
        <source>MSFP stayed about the same, from %1 to %2&#xa0;mmHg.</source>
        <translation>La PMLS se mantuvo casi igual (de %1 a %2&#xa0;mmHg).</translation>
    </message>
    <message>
        <location filename="../src/explorer/Prediction.cpp" line="58"/>
        <source>MSFP fell from %1 to %2&#xa0;mmHg.</source>
        <translation>La PMLS disminuyó de %1 a %2&#xa0;mmHg.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Prediction.cpp" line="106"/>
        <source>Correct. %1</source>
        <translation>Correcto. %1</translation>
    </message>
    <message>
        <location filename="../src/explorer/Prediction.cpp" line="107"/>
        <source>Incorrect. %1</source>
        <translation>Incorrecto. %1</translation>
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
            <numerusform>Aciertos: %1 de %n</numerusform>
            <numerusform>Aciertos: %1 de %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Reference</name>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="14"/>
        <source>Afterload................    Average stress that myocardial cells must overcome to shorten</source>
        <translation>Poscarga................    Tensión media que deben vencer las células miocárdicas para acortarse</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="15"/>
        <source>                                   In the intact heart is proportional to aortic blood pressure</source>
        <translation>                                   En el corazón intacto es proporcional a la presión arterial aórtica</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="16"/>
        <source>CFC..........................  Cardiac Function Curve:  Relates cardiac output to CVP or RAP</source>
        <translation>CFC..........................  Curva de función cardíaca:  relaciona el gasto cardíaco con la PVC o la PAD</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="17"/>
        <source>                                    Depends on both contractility and Frank-Starling mechanism</source>
        <translation>                                    Depende tanto de la contractilidad como del mecanismo de Frank-Starling</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="18"/>
        <source>CO ..........................   Cardiac Output = volume output of heart per minute = SV x HR</source>
        <translation>GC ..........................   Gasto cardíaco = volumen expulsado por el corazón por minuto = VS x FC</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="19"/>
        <source>Contractility............    Intrinsic contraction potential of the myocardium at a given preload.</source>
        <translation>Contractilidad.........    Capacidad intrínseca de contracción del miocardio con una precarga dada.</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="20"/>
        <source>                                   It is a good index of the velocity and force of contraction.</source>
        <translation>                                   Es un buen índice de la velocidad y la fuerza de contracción.</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="21"/>
        <source>CVP..........................  Central Venous Pressure = pressure in thoracic veins</source>
        <translation>PVC..........................  Presión venosa central = presión en las venas torácicas</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="22"/>
        <source>Diastole .................    Interval during which ventricle is relaxing</source>
        <translation>Diástole .................    Intervalo durante el cual el ventrículo se relaja</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="23"/>
        <source>Diastolic Pressure..    Minimum aortic pressure during a cardiac cycle</source>
        <translation>Presión diastólica...    Presión aórtica mínima durante un ciclo cardíaco</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="24"/>
        <source>EDP........................    End Diasolic Pressure = LVP at end of filling phase=start of ventricle systole</source>
        <translation>PTD........................    Presión telediastólica = PVI al final del llenado = inicio de la sístole</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="25"/>
        <source>EDV.........................   End Diastolic Volume = LV volume at the onset of systole</source>
        <translation>VTD.........................   Volumen telediastólico = volumen del VI al comienzo de la sístole</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="26"/>
        <source>EF...........................    Ejection Fraction = SV / EDV as fraction or percentage</source>
        <translation>FE...........................    Fracción de eyección = VS / VTD, como fracción o porcentaje</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="27"/>
        <source>ESP........................    End Systolic Pressure = LVP at end of systole</source>
        <translation>PTS........................    Presión telesistólica = PVI al final de la sístole</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="28"/>
        <source>ESV.........................   End Systolic Volume = LV volume at the end of systole </source>
        <translation>VTS.........................   Volumen telesistólico = volumen del VI al final de la sístole </translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="29"/>
        <source>Frank-Starling .......    Mechanism whereby SV increases with increasing EDV (preload)</source>
        <translation>Frank-Starling .......    Mecanismo por el que el VS aumenta al aumentar el VTD (precarga)</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="30"/>
        <source>HR .........................    Heart Rate = number of cardiac beats per minute</source>
        <translation>FC .........................    Frecuencia cardíaca = número de latidos cardíacos por minuto</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="31"/>
        <source>Inotropy .................   A positive inotropic agent is one that increases contractility</source>
        <translation>Inotropismo ...........   Un agente inotrópico positivo es el que aumenta la contractilidad</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="32"/>
        <source>Laplace&apos;s Law.......    Average stress = pressure x radius / wall thickness (T = Pr/w)</source>
        <translation>Ley de Laplace.....    Tensión media = presión x radio / grosor de la pared (T = Pr/g)</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="33"/>
        <source>LVP.........................   Left ventricular Pressure (mmHg)</source>
        <translation>PVI..........................   Presión del ventrículo izquierdo (mmHg)</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="34"/>
        <source>MAP ......................    Mean Aortic Pressure = diastolic pressure + 1/3 pulse pressure</source>
        <translation>PAM ......................    Presión aórtica media = presión diastólica + 1/3 de la presión diferencial</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="35"/>
        <source>MCP.........................  Mean Circulatory Pressure = pressure in vasculature when CO = 0</source>
        <translation>PCM.........................  Presión circulatoria media = presión en el sistema vascular cuando GC = 0</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="36"/>
        <source>                                   MCP  value sets the start point of the vascular function curve on the CVP axis</source>
        <translation>                                   El valor de la PCM fija el origen de la CFV en el eje de la PVC</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="37"/>
        <source>                                   MCP depends on vascular filling relative to vascular capacity</source>
        <translation>                                   La PCM depende del llenado vascular en relación con la capacidad vascular</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="38"/>
        <source>PIP.........................   Peak Isovolumic Pressure = maximum pressure developed by the</source>
        <translation>PIM........................   Presión isovolumétrica máxima = presión máxima que desarrolla el ventrículo</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="39"/>
        <source>                                   ventricle at a given EDV and contractility during isovolumic contraction</source>
        <translation>                                   con un VTD y una contractilidad dados durante la contracción isovolumétrica</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="40"/>
        <source>                                   Increases in EDV and contractility will increase PIP</source>
        <translation>                                   Los aumentos del VTD y de la contractilidad aumentan la PIM</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="41"/>
        <source>PIP line..................   Shows the relationship between PIP and EDV and is also called the</source>
        <translation>Línea de PIM.........   Muestra la relación entre la PIM y el VTD; también se llama</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="42"/>
        <source>                                   end-systolic pressure-volume relation. ESP falls on the PIP line.</source>
        <translation>                                   relación presión-volumen telesistólica. La PTS se sitúa sobre la línea de PIM.</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="43"/>
        <source>Preload..................   Ventricular volume at onset of ventricular systole. At the muscle</source>
        <translation>Precarga................   Volumen ventricular al comienzo de la sístole ventricular. En la célula</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="44"/>
        <source>                                   cell level, it is the sarcomere stretch; in the intact ventricle it is</source>
        <translation>                                   muscular, es el estiramiento del sarcómero; en el ventrículo intacto, la</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="45"/>
        <source>                                   best represented by EDV. Increased preload increases SV.</source>
        <translation>                                   representa mejor el VTD. Un aumento de la precarga aumenta el VS.</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="46"/>
        <source>Pulse Pressure......    Difference between systolic and diastolic pressures.</source>
        <translation>Presión diferencial..    Diferencia entre las presiones sistólica y diastólica.</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="47"/>
        <source>RAP.......................... Right Atrial Pressure; mean value of RAP is slightly less than CVP</source>
        <translation>PAD.......................... Presión auricular derecha; su valor medio es algo menor que la PVC</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="48"/>
        <source>SV...........................   Stroke Volume = volume ejected from ventricle per beat = EDV - ESV</source>
        <translation>VS...........................   Volumen sistólico = volumen expulsado por latido = VTD - VTS</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="49"/>
        <source>Stroke Work...........    Mechanical work done by the heart per beat = SV x MAP</source>
        <translation>Trabajo sistólico....    Trabajo mecánico del corazón en cada latido = VS x PAM</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="50"/>
        <source>Systole .................     Interval during which ventricle is contracting</source>
        <translation>Sístole ..................     Intervalo durante el cual el ventrículo se contrae</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="51"/>
        <source>Systolic Pressure...    Maximum aortic pressure during a cardiac cycle</source>
        <translation>Presión sistólica.....    Presión aórtica máxima durante un ciclo cardíaco</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="52"/>
        <source>TPR ......................     Total Peripheral Resistance. TPR = (MAP - CVP) / CO</source>
        <translation>RPT ......................     Resistencia periférica total. RPT = (PAM - PVC) / GC</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="53"/>
        <source>                                   total vascular resistance presented to the left ventricle</source>
        <translation>                                   resistencia vascular total que se opone al ventrículo izquierdo</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="54"/>
        <source>                                   The slope of the VFC is inversely proportional to TPR</source>
        <translation>                                   La pendiente de la CFV es inversamente proporcional a la RPT</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="55"/>
        <source>Venous Return ......   Term for blood flow returning from systemic veins to the heart</source>
        <translation>Retorno venoso ....   Flujo de sangre que vuelve de las venas sistémicas al corazón</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="56"/>
        <source>                                   Note that average venous return is equal to average cardiac output</source>
        <translation>                                   Obsérvese que el retorno venoso medio es igual al gasto cardíaco medio</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="57"/>
        <source>VFC..........................  Vascular Function Curve: Relates venous return to CVP or RAP</source>
        <translation>CFV..........................  Curva de función vascular: relaciona el retorno venoso con la PVC o la PAD</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="58"/>
        <source>                                   Also called the Venous Return Curve and Venous Pressure Curve</source>
        <translation>                                   También llamada curva de retorno venoso y curva de presión venosa</translation>
    </message>
    <message>
        <location filename="../src/reference/Glossary.cpp" line="72"/>
        <source>Abbreviations, definitions and formulas</source>
        <translation>Abreviaturas, definiciones y fórmulas</translation>
    </message>
    <message>
        <location filename="../src/reference/Instructions.cpp" line="12"/>
        <source> </source>
        <translation> </translation>
    </message>
    <message>
        <location filename="../src/reference/Instructions.cpp" line="13"/>
        <source>  This interactive learning module consists of five major segments </source>
        <translation>  Este módulo interactivo de aprendizaje consta de cinco partes principales </translation>
    </message>
    <message>
        <location filename="../src/reference/Instructions.cpp" line="15"/>
        <source>  1.    CARDIAC FUNCTION CURVES (CFC) in which their main features are introduced </source>
        <translation>  1.    CURVAS DE FUNCIÓN CARDÍACA (CFC), donde se presentan sus rasgos principales </translation>
    </message>
    <message>
        <location filename="../src/reference/Instructions.cpp" line="17"/>
        <source>  2.    VASCULAR FUNCTION CURVES (VFC) in which their main features are introduced </source>
        <translation>  2.    CURVAS DE FUNCIÓN VASCULAR (CFV), donde se presentan sus rasgos principales </translation>
    </message>
    <message>
        <location filename="../src/reference/Instructions.cpp" line="18"/>
        <source>          and the relationship between Vascular and Cardiac Functions are explained</source>
        <translation>          y se explica la relación entre la función vascular y la cardíaca</translation>
    </message>
    <message>
        <location filename="../src/reference/Instructions.cpp" line="20"/>
        <source>  3.    INTERACTIONS AND CHANGES in which both Cardiac and Vascular Function curves </source>
        <translation>  3.    INTERACCIONES Y CAMBIOS, donde las curvas de función cardíaca y vascular </translation>
    </message>
    <message>
        <location filename="../src/reference/Instructions.cpp" line="21"/>
        <source>         are used to examine and interpret changes in function.</source>
        <translation>         se usan para examinar e interpretar los cambios de la función.</translation>
    </message>
    <message>
        <location filename="../src/reference/Instructions.cpp" line="23"/>
        <source>  4.    GLOSSARY wiht abbreviations and definitions</source>
        <translation>  4.    GLOSARIO de abreviaturas y definiciones</translation>
    </message>
    <message>
        <location filename="../src/reference/Instructions.cpp" line="25"/>
        <source>  5.    TEST which provides you the opportunity to evaluate your understanding</source>
        <translation>  5.    TEST, que le ofrece la oportunidad de evaluar su comprensión</translation>
    </message>
    <message>
        <location filename="../src/reference/Instructions.cpp" line="26"/>
        <source>          by taking a multiple choice practice test with explanations of answers.</source>
        <translation>          mediante un test de opción múltiple con la explicación de las respuestas.</translation>
    </message>
    <message>
        <location filename="../src/reference/Instructions.cpp" line="28"/>
        <source>  To begin, we recommend that you start by clicking on Cardiac Function Curves.</source>
        <translation>  Para empezar, le recomendamos hacer clic en Curvas de función cardíaca.</translation>
    </message>
    <message>
        <location filename="../src/reference/Instructions.cpp" line="30"/>
        <source> Those of you who are already familiar with the material may choose to proceed directly to </source>
        <translation> Quienes ya estén familiarizados con la materia pueden pasar directamente </translation>
    </message>
    <message>
        <location filename="../src/reference/Instructions.cpp" line="31"/>
        <source>  the test. It and its explanations should provide you with excellent practice and preparation. </source>
        <translation>  al test. El test y sus explicaciones le servirán de excelente práctica y preparación. </translation>
    </message>
    <message>
        <location filename="../src/reference/Instructions.cpp" line="40"/>
        <source>How to use this learning module</source>
        <translation>Cómo usar este módulo de aprendizaje</translation>
    </message>
</context>
<context>
    <name>Test</name>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="10"/>
        <source>1. Which operating point corresponds to the greatest cardiac output?</source>
        <translation>1. ¿Qué punto de funcionamiento corresponde al mayor gasto cardíaco?</translation>
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
        <translation>¡CORRECTO!</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="18"/>
        <source>Correct! The cardiac output at operating point 3 is the largest with a magnitude of about 9 liters/minute. Note that the question asks about the value at an operating point, not about the largest value reached anywhere on the graph; some curves reach higher. </source>
        <translation>¡Correcto! El gasto cardíaco en el punto de funcionamiento 3 es el mayor, con un valor de unos 9 l/min. Observe que la pregunta se refiere al valor en un punto de funcionamiento, no al mayor valor alcanzado en cualquier lugar de la gráfica; algunas curvas llegan más arriba. </translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="22"/>
        <source>2. Which operating point corresponds to the greatest CVP?</source>
        <translation>2. ¿Qué punto de funcionamiento corresponde a la mayor PVC?</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="30"/>
        <source>Correct! The operating point with the highest value of central venous pressure is point 8. CVP there is just under 5 mmHg, the highest of all the points. CVP is an index of the input pressure to the heart: normally a rise in CVP increases stroke volume through the Frank-Starling mechanism. In a failing heart, however, a raised CVP may instead reflect a reduced pumping capacity, as blood backs up behind a weakened ventricle.</source>
        <translation>¡Correcto! El punto de funcionamiento con el valor más alto de presión venosa central es el punto 8. Allí la PVC es algo inferior a 5 mmHg, la más alta de todos los puntos. La PVC es un índice de la presión de entrada al corazón: normalmente, un aumento de la PVC incrementa el volumen sistólico por el mecanismo de Frank-Starling. Sin embargo, en un corazón insuficiente, una PVC elevada puede reflejar más bien una capacidad de bombeo reducida, porque la sangre se acumula detrás de un ventrículo debilitado.</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="36"/>
        <source>3. As compared to the control vascular function curve, curve C indicates that</source>
        <translation>3. En comparación con la curva de función vascular control, la curva C indica que</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="37"/>
        <location filename="../src/practice/QuestionBank.cpp" line="83"/>
        <source>a. TPR is reduced</source>
        <translation>a. la RPT está reducida</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="38"/>
        <location filename="../src/practice/QuestionBank.cpp" line="84"/>
        <source>b. Blood volume is reduced</source>
        <translation>b. el volumen sanguíneo está reducido</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="39"/>
        <location filename="../src/practice/QuestionBank.cpp" line="85"/>
        <source>c. Compliance is reduced</source>
        <translation>c. la distensibilidad está reducida</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="40"/>
        <location filename="../src/practice/QuestionBank.cpp" line="86"/>
        <source>d. Cardiac contractility is reduced</source>
        <translation>d. la contractilidad cardíaca está reducida</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="41"/>
        <location filename="../src/practice/QuestionBank.cpp" line="58"/>
        <location filename="../src/practice/QuestionBank.cpp" line="75"/>
        <location filename="../src/practice/QuestionBank.cpp" line="87"/>
        <source>e. Cardiac contractility is increased</source>
        <translation>e. la contractilidad cardíaca está aumentada</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="44"/>
        <source>Correct! The vascular function curve represented by curve C has a greater slope (8-5-3) than that of the slope of the control VFC (7-S-2). A greater slope means a lower total peripheral resistance (TPR). With less TPR, less pressure is lost across the arterioles for the same cardiac output, so the central venous pressure is higher at any CO and the curve is steeper. Changes in blood volume or in compliance only move the VFC to the left or to the right without changing its slope, so they cannot explain curve C. Changes in cardiac contractility act only on the cardiac function curve and do not alter the vascular function curve at all.</source>
        <translation>¡Correcto! La curva de función vascular representada por la curva C tiene una pendiente mayor (8-5-3) que la de la CFV control (7-S-2). Una pendiente mayor significa una resistencia periférica total (RPT) menor. Con menos RPT se pierde menos presión a través de las arteriolas para el mismo gasto cardíaco, de modo que la presión venosa central es más alta con cualquier GC y la curva es más pronunciada. Los cambios del volumen sanguíneo o de la distensibilidad solo desplazan la CFV a la izquierda o a la derecha sin cambiar su pendiente, por lo que no pueden explicar la curva C. Los cambios de la contractilidad cardíaca actúan solo sobre la curva de función cardíaca y no alteran en absoluto la curva de función vascular.</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="53"/>
        <source>4. As compared to the control vascular function curve, curve D indicates that</source>
        <translation>4. En comparación con la curva de función vascular control, la curva D indica que</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="54"/>
        <source>a. TPR is increased</source>
        <translation>a. la RPT está aumentada</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="55"/>
        <location filename="../src/practice/QuestionBank.cpp" line="72"/>
        <source>b. TPR is decreased</source>
        <translation>b. la RPT está disminuida</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="56"/>
        <location filename="../src/practice/QuestionBank.cpp" line="73"/>
        <source>c. Blood volume is increased</source>
        <translation>c. el volumen sanguíneo está aumentado</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="57"/>
        <location filename="../src/practice/QuestionBank.cpp" line="74"/>
        <source>d. Blood volume is decreased</source>
        <translation>d. el volumen sanguíneo está disminuido</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="61"/>
        <source>Correct! The vascular function curve represented by curve D demonstrates either a reduction in blood volume or an increase in compliance, but the latter is not offered as a choice. Curve D is moved to the left of the control curve but keeps the same slope, so TPR is unchanged and both of the TPR choices are wrong. The shift comes from a lower mean circulatory pressure, read where the curve meets the CVP axis; here that is explained by a reduced blood volume. An increased blood volume would instead have raised that pressure and moved the curve to the right. Changes in cardiac contractility act only on the cardiac function curve, so they cannot account for a change in the VFC.</source>
        <translation>¡Correcto! La curva de función vascular representada por la curva D muestra una reducción del volumen sanguíneo o un aumento de la distensibilidad, pero esto último no figura entre las opciones. La curva D está desplazada a la izquierda de la curva control, pero conserva la misma pendiente, de modo que la RPT no ha cambiado y las dos opciones sobre la RPT son incorrectas. El desplazamiento se debe a una presión circulatoria media más baja, que se lee donde la curva corta el eje de la PVC; aquí se explica por un volumen sanguíneo reducido. Un volumen sanguíneo aumentado habría elevado, en cambio, esa presión y desplazado la curva a la derecha. Los cambios de la contractilidad cardíaca actúan solo sobre la curva de función cardíaca, por lo que no pueden explicar un cambio de la CFV.</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="70"/>
        <source>5. As compared to the control cardiac function curve, curve A indicates that </source>
        <translation>5. En comparación con la curva de función cardíaca control, la curva A indica que </translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="71"/>
        <source>a. TPR is increased </source>
        <translation>a. la RPT está aumentada </translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="78"/>
        <source>Correct! Curve A is a cardiac function curve that is affected by cardiac contractility. An increase in contractility results in a greater cardiac output for any level of central venous pressure. All other choices affect the vascular function curve.</source>
        <translation>¡Correcto! La curva A es una curva de función cardíaca, que depende de la contractilidad cardíaca. Un aumento de la contractilidad produce un gasto cardíaco mayor para cualquier valor de presión venosa central. Todas las demás opciones afectan a la curva de función vascular.</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="82"/>
        <source>6. As compared to control cardiac function curve, curve B indicates that</source>
        <translation>6. En comparación con la curva de función cardíaca control, la curva B indica que</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="90"/>
        <source>Correct! Curve B represents a cardiac function curve with a reduced contractility as compared to the control curve. CO on curve B is lower at every CVP. A reduced contractility can be physiological, as when sympathetic drive to the myocardium falls. It can also be pathological: it may arise acutely, as with a myocardial infarction, or develop over time, as in chronic heart disease.   </source>
        <translation>¡Correcto! La curva B representa una curva de función cardíaca con una contractilidad reducida en comparación con la curva control. El GC de la curva B es menor con cualquier PVC. Una contractilidad reducida puede ser fisiológica, como cuando disminuye la estimulación simpática del miocardio. También puede ser patológica: puede aparecer de forma aguda, como en un infarto de miocardio, o desarrollarse con el tiempo, como en una cardiopatía crónica.   </translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="96"/>
        <source>7. As compared to the control cardiac function curve,curve A could result from</source>
        <translation>7. En comparación con la curva de función cardíaca control, la curva A podría deberse a</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="97"/>
        <source>a. an increase in blood volume </source>
        <translation>a. un aumento del volumen sanguíneo </translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="98"/>
        <source>b. an increase in TPR </source>
        <translation>b. un aumento de la RPT </translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="99"/>
        <source>c. a positive inotropic drug </source>
        <translation>c. un fármaco inotrópico positivo </translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="100"/>
        <source>d. a negative inotropic drug </source>
        <translation>d. un fármaco inotrópico negativo </translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="101"/>
        <source>e. a decrease in sympathetic activity to the myocardium </source>
        <translation>e. una disminución de la actividad simpática sobre el miocardio </translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="104"/>
        <source>Correct! Curve A represents an increase in cardiac contractility. An increase in blood volume or in TPR acts on the vascular function curve, not on the cardiac function curve, so neither of them can produce curve A. A positive inotropic drug raises contractility by definition, and it is the right choice. A negative inotropic drug and a decrease in sympathetic activity to the myocardium would both lower contractility and move the curve down, as curve B shows, rather than up as curve A does. The term &apos;inotropy&apos; is essentially another word for contractility: a positive inotropic effect is an increase in contractility, and a negative inotropic effect is a decrease in it. </source>
        <translation>¡Correcto! La curva A representa un aumento de la contractilidad cardíaca. Un aumento del volumen sanguíneo o de la RPT actúa sobre la curva de función vascular, no sobre la curva de función cardíaca, por lo que ninguno de los dos puede producir la curva A. Un fármaco inotrópico positivo aumenta la contractilidad por definición, y es la opción correcta. Un fármaco inotrópico negativo y una disminución de la actividad simpática sobre el miocardio reducirían la contractilidad y desplazarían la curva hacia abajo, como muestra la curva B, y no hacia arriba, como la curva A. El término «inotropismo» es esencialmente sinónimo de contractilidad: un efecto inotrópico positivo es un aumento de la contractilidad, y un efecto inotrópico negativo, una disminución. </translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="114"/>
        <source>8. As compared to the control venous return curve, curve C could result from</source>
        <translation>8. En comparación con la curva de retorno venoso control, la curva C podría deberse a</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="115"/>
        <source>a. an increase in sympathetic activity to peripheral arterioles</source>
        <translation>a. un aumento de la actividad simpática sobre las arteriolas periféricas</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="116"/>
        <source>b. a selective peripheral arteriole alpha-adrenergic blocking agent</source>
        <translation>b. un bloqueante alfa-adrenérgico selectivo de las arteriolas periféricas</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="117"/>
        <source>c. a cardioselective beta-adrenergic agonist</source>
        <translation>c. un agonista beta-adrenérgico cardioselectivo</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="118"/>
        <source>d. a significant rapid loss of blood volume</source>
        <translation>d. una pérdida rápida e importante de volumen sanguíneo</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="119"/>
        <source>e. a positive inotropic drug</source>
        <translation>e. un fármaco inotrópico positivo</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="122"/>
        <source>Correct!  Curve C is a vascular function curve (also called venous return curve) that has a greater slope than the control curve. A steeper VFC means a lower total peripheral resistance. Of the choices, only the selective alpha-adrenergic blocking agent explains it: by blocking the sympathetic constriction of the peripheral arterioles it causes vasodilation and lowers TPR. An increase in sympathetic activity to the arterioles would constrict them and flatten the curve. A rapid loss of blood would lower the mean circulatory pressure and move the VFC to the left without a change in slope. A cardioselective beta agonist and a positive inotropic drug act on the heart and would change the cardiac function curve, not the VFC. </source>
        <translation>¡Correcto!  La curva C es una curva de función vascular (también llamada curva de retorno venoso) con una pendiente mayor que la de la curva control. Una CFV más pronunciada significa una resistencia periférica total menor. De las opciones, solo el bloqueante alfa-adrenérgico selectivo la explica: al bloquear la constricción simpática de las arteriolas periféricas, produce vasodilatación y reduce la RPT. Un aumento de la actividad simpática sobre las arteriolas las contraería y aplanaría la curva. Una pérdida rápida de sangre reduciría la presión circulatoria media y desplazaría la CFV a la izquierda sin cambiar su pendiente. Un agonista beta cardioselectivo y un fármaco inotrópico positivo actúan sobre el corazón y modificarían la curva de función cardíaca, no la CFV. </translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="133"/>
        <source>9. Compared to the control venous return curve, curve D indicates</source>
        <translation>9. En comparación con la curva de retorno venoso control, la curva D indica</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="134"/>
        <location filename="../src/practice/QuestionBank.cpp" line="147"/>
        <source>a. a decrease in cardiac contractility</source>
        <translation>a. una disminución de la contractilidad cardíaca</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="135"/>
        <location filename="../src/practice/QuestionBank.cpp" line="148"/>
        <source>b. a decrease in venous compliance</source>
        <translation>b. una disminución de la distensibilidad venosa</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="136"/>
        <location filename="../src/practice/QuestionBank.cpp" line="149"/>
        <source>c. an increase in blood volume due to over-transfusion</source>
        <translation>c. un aumento del volumen sanguíneo por sobretransfusión</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="137"/>
        <location filename="../src/practice/QuestionBank.cpp" line="150"/>
        <source>d. a decrease in TPR due to peripheral arteriole vasodilation</source>
        <translation>d. una disminución de la RPT por vasodilatación arteriolar periférica</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="138"/>
        <source>e. a decrease in sympathetic activity to the veins</source>
        <translation>e. una disminución de la actividad simpática sobre las venas</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="141"/>
        <source>Correct! The only choice that could explain the left shift in the vascular function curve, without a change in slope, is a decrease in sympathetic activity to the veins. Less sympathetic activity lowers the tone of venous smooth muscle and raises venous compliance, so the veins hold more blood. The mean circulatory pressure then falls, because vascular filling is smaller relative to capacity.  </source>
        <translation>¡Correcto! La única opción que podría explicar el desplazamiento a la izquierda de la curva de función vascular, sin cambio de pendiente, es una disminución de la actividad simpática sobre las venas. Una menor actividad simpática reduce el tono del músculo liso venoso y aumenta la distensibilidad venosa, de modo que las venas contienen más sangre. La presión circulatoria media disminuye entonces, porque el llenado vascular es menor en relación con la capacidad.  </translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="146"/>
        <source>10. Compared to the control vascular function curve, curve C indicates</source>
        <translation>10. En comparación con la curva de función vascular control, la curva C indica</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="151"/>
        <source>e. an increase in sympathetic activity to the veins</source>
        <translation>e. un aumento de la actividad simpática sobre las venas</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="154"/>
        <source>Correct! The only choice that could explain the increased slope of curve C compared to the control VFC is a decrease in total peripheral resistance. Volume and compliance changes only move the VFC to the right or left, without changing its slope at all.   </source>
        <translation>¡Correcto! La única opción que podría explicar el aumento de la pendiente de la curva C respecto a la CFV control es una disminución de la resistencia periférica total. Los cambios de volumen y de distensibilidad solo desplazan la CFV a la derecha o a la izquierda, sin cambiar en absoluto su pendiente.   </translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="158"/>
        <source>11. Starting at S, what is the new operating point if just cardiac contractility decreases?</source>
        <translation>11. Desde S, ¿cuál es el nuevo punto de funcionamiento si solo disminuye la contractilidad cardíaca?</translation>
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
        <translation>¡Correcto! Si solo cambia la contractilidad, la curva de función vascular no se modifica. El nuevo punto de funcionamiento está donde la nueva curva de función cardíaca (curva B) corta la curva de función vascular anterior, es decir, en el punto 7. El corazón debilitado expulsa menos sangre en cada latido, por lo que esta se acumula en el lado venoso. En comparación con S, el punto 7 tiene un gasto cardíaco menor y una presión venosa central mayor.  </translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="171"/>
        <source>12. Starting at S, what is the new operating point if just cardiac contractility increases?</source>
        <translation>12. Desde S, ¿cuál es el nuevo punto de funcionamiento si solo aumenta la contractilidad cardíaca?</translation>
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
        <translation>¡CORRECTO! </translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="179"/>
        <source>Correct! If only contractility increases, then the vascular function curve remains the same. The new operating point therefore lies where the new cardiac function curve (curve A) meets the old vascular function curve, which is point 2. Compared with point S, point 2 has a higher cardiac output with a lower central venous pressure: the heart pumps more blood even though its filling pressure is lower, because each beat is more forceful and the ventricle is emptied more completely. </source>
        <translation>¡Correcto! Si solo aumenta la contractilidad, la curva de función vascular no se modifica. Por tanto, el nuevo punto de funcionamiento está donde la nueva curva de función cardíaca (curva A) corta la curva de función vascular anterior, es decir, en el punto 2. En comparación con el punto S, el punto 2 tiene un gasto cardíaco mayor con una presión venosa central menor: el corazón bombea más sangre aunque su presión de llenado sea menor, porque cada latido es más enérgico y el ventrículo se vacía más por completo. </translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="185"/>
        <source>13. Starting at S, what is the new operating point if sympathetic activity only to arterioles decreases</source>
        <translation>13. Desde S, ¿cuál es el nuevo punto de funcionamiento si baja la actividad simpática solo en las arteriolas?</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="193"/>
        <source>Correct! If the only change that occurs is a decrease in sympathtetic activity to arterioles then there will be a reduction in total peripheral resistance. A lower TPR steepens the vascular function curve without moving the mean systemic pressure, where the curve crosses the horizontal axis; curve C is the new VFC. Since there is no sympathetic change at the heart, the cardiac function curve stays the same. The new operating point is where curve C meets the control cardiac function curve, which is point 5, with a higher output than S. </source>
        <translation>¡Correcto! Si el único cambio es una disminución de la actividad simpática sobre las arteriolas, se producirá una reducción de la resistencia periférica total. Una RPT menor hace más pronunciada la curva de función vascular sin mover la presión media de llenado sistémico (PMLS), donde la curva corta el eje horizontal; la curva C es la nueva CFV. Como no hay ningún cambio simpático en el corazón, la curva de función cardíaca no varía. El nuevo punto de funcionamiento está donde la curva C corta la curva de función cardíaca control, es decir, en el punto 5, con un gasto mayor que en S. </translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="200"/>
        <source>14. Starting at S, what is the new operating point if only blood volume is reduced?</source>
        <translation>14. Desde S, ¿cuál es el nuevo punto de funcionamiento si solo se reduce el volumen sanguíneo?</translation>
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
        <translation>¡Correcto! La disminución del volumen sanguíneo reduce el llenado vascular en relación con su capacidad. Por tanto, disminuye la presión media de llenado sistémico (PMLS), la presión que se encontraría en todos los vasos con un gasto cardíaco nulo. El punto en que la CFV corta el eje de abscisas se desplaza a la izquierda, y la curva D es la nueva curva de función vascular. Como el corazón no cambia, el nuevo punto de funcionamiento está donde la curva D corta la CFC control, es decir, en el punto 4.</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="215"/>
        <source>15. Starting at S, what is the new operating point if sympathetic activity to heart AND arterioles decrease?</source>
        <translation>15. Desde S, ¿cuál es el nuevo punto de funcionamiento si baja la actividad simpática cardíaca Y arteriolar?</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="223"/>
        <source>Correct! A decrease in sympathetic activity to the heart reduces contractility so the new cardiac function curve is curve B. Less sympathetic activity to the arterioles dilates them and lowers total peripheral resistance, so the steeper curve C becomes the new vascular function curve. The new operating point is where these two curves cross, which is point 8. </source>
        <translation>¡Correcto! Una disminución de la actividad simpática sobre el corazón reduce la contractilidad, de modo que la nueva curva de función cardíaca es la curva B. Una menor actividad simpática sobre las arteriolas las dilata y reduce la resistencia periférica total, de modo que la curva C, más pronunciada, pasa a ser la nueva curva de función vascular. El nuevo punto de funcionamiento está donde se cortan estas dos curvas, es decir, en el punto 8. </translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="228"/>
        <source>16. Starting at S, what is the new operating point if blood volume AND cardiac contractility decrease?</source>
        <translation>16. Desde S, ¿cuál es el nuevo punto de funcionamiento si bajan el volumen sanguíneo Y la contractilidad?</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="236"/>
        <source>Correct! A decrease in contractility results in a depressed cardiac function curve (curve B) and a decrease in blood volume shifts the vascular function to the left (curve D). The new operating point is the intersection of the two new curves, which is point 6, with a lower CO.</source>
        <translation>¡Correcto! Una disminución de la contractilidad produce una curva de función cardíaca deprimida (curva B), y una disminución del volumen sanguíneo desplaza la curva de función vascular a la izquierda (curva D). El nuevo punto de funcionamiento es la intersección de las dos nuevas curvas, es decir, el punto 6, con un GC menor.</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="239"/>
        <source>17. If a patient were initially operating at point 6, what would move her to point S? </source>
        <translation>17. Si una paciente estuviera inicialmente en el punto de funcionamiento 6, ¿qué la llevaría al punto S? </translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="240"/>
        <location filename="../src/practice/QuestionBank.cpp" line="254"/>
        <source>a. An increase in cardiac contractility</source>
        <translation>a. Un aumento de la contractilidad cardíaca</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="241"/>
        <location filename="../src/practice/QuestionBank.cpp" line="255"/>
        <source>b. An increase in cardiac contractility AND a transfusion</source>
        <translation>b. Un aumento de la contractilidad cardíaca Y una transfusión</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="242"/>
        <location filename="../src/practice/QuestionBank.cpp" line="256"/>
        <source>c. A vasodilator drug AND a transfusion</source>
        <translation>c. Un fármaco vasodilatador Y una transfusión</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="243"/>
        <location filename="../src/practice/QuestionBank.cpp" line="257"/>
        <source>d. An increase in cardiac contractility AND a vasoconstricting drug</source>
        <translation>d. Un aumento de la contractilidad cardíaca Y un fármaco vasoconstrictor</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="244"/>
        <source>e. A single vasoconstrictor drug</source>
        <translation>e. Un único fármaco vasoconstrictor</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="247"/>
        <source>Correct! For the choices given, In order for there to be a possibility of moving the patient&apos;s operating point to point S from point 6, there needs to be an increase in both cardiac contractility and blood volume. Point 6 lies where the depressed cardiac function curve B meets the shifted venous return curve D. A rise in contractility with a fall in TPR, steepening the VFC until it meets the control cardiac function curve at S, would also serve, but it is not among the choices. </source>
        <translation>¡Correcto! Entre las opciones dadas, para que sea posible llevar el punto de funcionamiento de la paciente del punto 6 al punto S, es necesario un aumento tanto de la contractilidad cardíaca como del volumen sanguíneo. El punto 6 está donde la curva de función cardíaca deprimida B corta la curva de retorno venoso desplazada D. Un aumento de la contractilidad con una disminución de la RPT, que hiciera más pronunciada la CFV hasta cortar la curva de función cardíaca control en S, también serviría, pero no figura entre las opciones. </translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="253"/>
        <source>18. If a patient were initially operating at point 8, what would move him to point S? .</source>
        <translation>18. Si un paciente estuviera inicialmente en el punto de funcionamiento 8, ¿qué lo llevaría al punto S?</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="258"/>
        <source>e. A potent peripheral acting vasoconstrictor drug</source>
        <translation>e. Un potente fármaco vasoconstrictor de acción periférica</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="261"/>
        <source>Correct! For the choices given, In order for there to be a possibility of moving the patient&apos;s operating point to point S from point 8, there needs to be an increase in cardiac contractility and an increase in total peripheral resistance that would be caused by the stated increase in vasoconstriction. Point 8 lies where the depressed cardiac function curve B meets the steeper vascular function curve C. A rise in contractility with a fall in blood volume or a rise in venous compliance, moving the VFC to the left until it meets the control cardiac function curve at S, would also serve, but it is not among the choices. </source>
        <translation>¡Correcto! Entre las opciones dadas, para que sea posible llevar el punto de funcionamiento del paciente del punto 8 al punto S, es necesario un aumento de la contractilidad cardíaca y un aumento de la resistencia periférica total, que se produciría con el aumento de la vasoconstricción indicado. El punto 8 está donde la curva de función cardíaca deprimida B corta la curva de función vascular C, más pronunciada. Un aumento de la contractilidad con una disminución del volumen sanguíneo o un aumento de la distensibilidad venosa, que desplazara la CFV a la izquierda hasta cortar la curva de función cardíaca control en S, también serviría, pero no figura entre las opciones. </translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="270"/>
        <source>19. Which of the following most directly determines movement along any SINGLE cardiac function curve?</source>
        <translation>19. ¿Qué determina más directamente el desplazamiento a lo largo de una ÚNICA curva de función cardíaca?</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="271"/>
        <source>a. Cardiac contractility</source>
        <translation>a. La contractilidad cardíaca</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="272"/>
        <source>b. Frank-Starling mechanism</source>
        <translation>b. El mecanismo de Frank-Starling</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="273"/>
        <source>c. Sympathetic activity</source>
        <translation>c. La actividad simpática</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="274"/>
        <source>d. Total peripheral resistance</source>
        <translation>d. La resistencia periférica total</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="275"/>
        <source>e. Central venous volume</source>
        <translation>e. El volumen venoso central</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="278"/>
        <source>Correct! Movement along a single cardiac function curve is dependent on the Frank-Starling mechanism. A larger end diastolic volume stretches the ventricular muscle fibers toward their optimal length and gives a larger stroke volume, and if heart rate does not fall, a larger cardiac output. This is the heart&apos;s own way of matching its output to its input. The mechanism hardly depends on contractility: a change in contractility moves the heart to a different curve rather than along one. Sympathetic changes act on contractility or on TPR and are not main factors in movement along a single curve. Central venous pressure and volume act only indirectly, through their effect on the filling of the ventricle during diastole.</source>
        <translation>¡Correcto! El desplazamiento a lo largo de una única curva de función cardíaca depende del mecanismo de Frank-Starling. Un volumen telediastólico mayor estira las fibras musculares ventriculares hacia su longitud óptima y da un volumen sistólico mayor y, si la frecuencia cardíaca no disminuye, un gasto cardíaco mayor. Es el modo propio del corazón de ajustar lo que expulsa a lo que recibe. El mecanismo apenas depende de la contractilidad: un cambio de la contractilidad lleva el corazón a otra curva en lugar de desplazarlo a lo largo de la misma. Los cambios simpáticos actúan sobre la contractilidad o sobre la RPT y no son factores principales del desplazamiento a lo largo de una única curva. La presión y el volumen venosos centrales actúan solo de forma indirecta, a través de su efecto sobre el llenado del ventrículo durante la diástole.</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="289"/>
        <source>20. If CVP was hypothetically maintained constant, which of the following would increase cardiac output?</source>
        <translation>20. Si la PVC se mantuviera hipotéticamente constante, ¿cuál de los siguientes aumentaría el gasto cardíaco?</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="290"/>
        <source>a. an increase in cardiac contractility</source>
        <translation>a. un aumento de la contractilidad cardíaca</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="291"/>
        <source>b. the Frank-Starling mechanism</source>
        <translation>b. el mecanismo de Frank-Starling</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="292"/>
        <source>c. both a AND b</source>
        <translation>c. ambas, a Y b</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="293"/>
        <source>d. an increase in TPR</source>
        <translation>d. un aumento de la RPT</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="294"/>
        <source>e. both a AND d</source>
        <translation>e. ambas, a Y d</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="297"/>
        <source>Correct! Among the choices given on an increase in cardiact contractility would result in an increase in cardiac output. With CVP held constant, there is no significant Frank-Starling effect, while an increase in TPR would tend to lower cardiac output rather than increase it.</source>
        <translation>¡Correcto! De las opciones dadas, solo un aumento de la contractilidad cardíaca produciría un aumento del gasto cardíaco. Con la PVC constante no hay un efecto de Frank-Starling significativo, mientras que un aumento de la RPT tendería a reducir el gasto cardíaco en lugar de aumentarlo.</translation>
    </message>
    <message>
        <location filename="../src/practice/QuestionBank.cpp" line="304"/>
        <source>                                   THATS ALL FOLKS! HOPE YOU HAD FUN.</source>
        <translation>                                   ¡ESO ES TODO! ESPERAMOS QUE LO HAYA DISFRUTADO.</translation>
    </message>
    <message>
        <location filename="../src/practice/Test.cpp" line="22"/>
        <source>The figure shows several VFC and CFC. Use these to answer the questions.  The operating point S is the intersection of the control CFC and VFC curves. Unless otherwise noted, changes are with respect to this control state.</source>
        <translation>La figura muestra varias CFV y CFC; úselas para responder a las preguntas.  El punto de funcionamiento S es la intersección de la CFC y la CFV control. Salvo otra indicación, los cambios se refieren a este estado control.</translation>
    </message>
    <message>
        <location filename="../src/practice/Test.cpp" line="89"/>
        <source>Explanations of Answers</source>
        <translation>Explicación de respuestas</translation>
    </message>
    <message>
        <location filename="../src/practice/Test.cpp" line="96"/>
        <source>Explanation of answer</source>
        <translation>Explicación de la respuesta</translation>
    </message>
    <message>
        <location filename="../src/practice/Test.cpp" line="107"/>
        <source>Question and answer options</source>
        <translation>Pregunta y opciones de respuesta</translation>
    </message>
    <message>
        <location filename="../src/practice/Test.cpp" line="117"/>
        <source>Verdict on the selected answer</source>
        <translation>Veredicto sobre la respuesta elegida</translation>
    </message>
    <message>
        <location filename="../src/practice/Test.cpp" line="122"/>
        <source>Start Questions</source>
        <translation>Iniciar preguntas</translation>
    </message>
    <message>
        <location filename="../src/practice/Test.cpp" line="128"/>
        <source>Next Question</source>
        <translation>Siguiente pregunta</translation>
    </message>
    <message>
        <location filename="../src/practice/Test.cpp" line="134"/>
        <source>Reset Questions</source>
        <translation>Reiniciar preguntas</translation>
    </message>
    <message>
        <location filename="../src/practice/Test.cpp" line="208"/>
        <source>TRY AGAIN</source>
        <translation>PRUEBE DE NUEVO</translation>
    </message>
</context>
<context>
    <name>fc::CurveFigure</name>
    <message>
        <location filename="../src/explorer/CurveFigure.cpp" line="123"/>
        <source>MSFP</source>
        <translation>PMLS</translation>
    </message>
    <message>
        <location filename="../src/explorer/CurveFigure.cpp" line="147"/>
        <source>cross at</source>
        <translation>se cortan en</translation>
    </message>
    <message>
        <location filename="../src/explorer/CurveFigure.cpp" line="148"/>
        <source>cross beyond the right edge of the plot, at</source>
        <translation>se cortan más allá del borde derecho de la gráfica, en</translation>
    </message>
    <message>
        <location filename="../src/explorer/CurveFigure.cpp" line="150"/>
        <source>Curve explorer</source>
        <translation>Explorador de curvas</translation>
    </message>
    <message>
        <location filename="../src/explorer/CurveFigure.cpp" line="151"/>
        <source>The red cardiac function curve and the blue vascular function curve %1 CVP %2 mmHg and CO %3 l/min, the operating point. The mean systemic filling pressure, where the vascular function curve meets the CVP axis, is %4 mmHg. The control curves are drawn thin and dashed in black.</source>
        <translation>La curva de función cardíaca roja y la curva de función vascular azul %1 una PVC de %2 mmHg y un GC de %3 l/min, el punto de funcionamiento. La presión media de llenado sistémico, donde la curva de función vascular corta el eje de la PVC, es de %4 mmHg. Las curvas control se dibujan en negro, con trazo fino y discontinuo.</translation>
    </message>
    <message>
        <location filename="../src/explorer/CurveFigure.cpp" line="170"/>
        <source>Contractility %1, stressed volume %2, venous compliance %3, TPR %4: CVP %5, CO %6, MSFP %7</source>
        <translation>Contractilidad %1, volumen tenso %2, distensibilidad venosa %3, RPT %4: PVC %5, GC %6, PMLS %7</translation>
    </message>
    <message>
        <location filename="../src/explorer/CurveFigure.cpp" line="177"/>
        <source>The curve explorer at %1. %2</source>
        <translation>El explorador de curvas con %1. %2</translation>
    </message>
</context>
<context>
    <name>fc::CurvesView</name>
    <message>
        <location filename="../src/explorer/CurvesView.cpp" line="26"/>
        <source>Cardiac and vascular function curves</source>
        <translation>Curvas de función cardíaca y vascular</translation>
    </message>
</context>
<context>
    <name>fc::Explorer</name>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="42"/>
        <source>&amp;Contractility</source>
        <translation>&amp;Contractilidad</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="43"/>
        <source>Contractility</source>
        <translation>Contractilidad</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="45"/>
        <source>Stressed blood &amp;volume</source>
        <translation>&amp;Volumen sanguíneo tenso</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="46"/>
        <source>Stressed blood volume</source>
        <translation>Volumen sanguíneo tenso</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="47"/>
        <source>The part of the blood volume that stretches the veins and sets MSFP.</source>
        <translation>La parte del volumen sanguíneo que distiende las venas y determina la PMLS.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="50"/>
        <source>Venous co&amp;mpliance</source>
        <translation>&amp;Distensibilidad venosa</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="51"/>
        <source>Venous compliance</source>
        <translation>Distensibilidad venosa</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="53"/>
        <source>&amp;Total peripheral resistance</source>
        <translation>&amp;Resistencia periférica total</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="54"/>
        <source>Total peripheral resistance</source>
        <translation>Resistencia periférica total</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="87"/>
        <source>CO %1 above control.</source>
        <translation>GC %1 por encima del control.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="89"/>
        <source>CO %1 below control.</source>
        <translation>GC %1 por debajo del control.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="90"/>
        <source>CO as at control.</source>
        <translation>GC igual que en el control.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="98"/>
        <source>Curve Explorer</source>
        <translation>Explorador de curvas</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="101"/>
        <source>Move contractility, stressed blood volume, venous compliance and peripheral resistance and watch the cardiac and vascular function curves and their operating point</source>
        <translation>Modifique la contractilidad, el volumen sanguíneo tenso, la distensibilidad venosa y la resistencia periférica y observe las curvas de función cardíaca y vascular y su punto de funcionamiento</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="113"/>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="115"/>
        <source>Set all four factors to 100 percent</source>
        <translation>Poner los cuatro factores al 100 por ciento</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="150"/>
        <source>Factors, in percent of control</source>
        <translation>Factores, en porcentaje del control</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="156"/>
        <source>%1 to %2 of control</source>
        <translation>Del %1 al %2 del control</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="202"/>
        <source>Operating point</source>
        <translation>Punto de funcionamiento</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="206"/>
        <source>CVP:</source>
        <translation>PVC:</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="207"/>
        <source>CO:</source>
        <translation>GC:</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="213"/>
        <source>Mean systemic filling pressure:</source>
        <translation>Presión media de llenado sistémico:</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="215"/>
        <source>Where the vascular function curve meets the CVP axis: the mean circulatory pressure (mcp) of the pages.</source>
        <translation>Donde la curva de función vascular corta el eje de la PVC: la presión circulatoria media (PCM) de las páginas del módulo.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="233"/>
        <source>&amp;Scenarios</source>
        <translation>&amp;Escenarios</translation>
    </message>
    <message>
        <location filename="../src/explorer/Explorer.cpp" line="237"/>
        <source>Scenarios</source>
        <translation>Escenarios</translation>
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
        <translation>Punto de funcionamiento: PVC %1, GC %2; PMLS %3. %4</translation>
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
        <translation>%1 por ciento del control</translation>
    </message>
</context>
<context>
    <name>fc::FigureCommands</name>
    <message>
        <location filename="../src/figures/FigureCommands.cpp" line="78"/>
        <source>Save Figure As</source>
        <translation>Guardar figura como</translation>
    </message>
    <message>
        <location filename="../src/figures/FigureCommands.cpp" line="139"/>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <location filename="../src/figures/FigureCommands.cpp" line="140"/>
        <source>The figure could not be saved as &quot;%1&quot;.</source>
        <translation>No se pudo guardar la figura como «%1».</translation>
    </message>
    <message>
        <location filename="../src/figures/FigureCommands.cpp" line="162"/>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <location filename="../src/figures/FigureCommands.cpp" line="163"/>
        <source>The figure could not be printed.</source>
        <translation>No se pudo imprimir la figura.</translation>
    </message>
    <message>
        <location filename="../src/figures/FigureCommands.cpp" line="164"/>
        <source>&quot;%1&quot; did not accept it.</source>
        <translation>«%1» no la aceptó.</translation>
    </message>
    <message>
        <location filename="../src/figures/FigureCommands.cpp" line="190"/>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <location filename="../src/figures/FigureCommands.cpp" line="192"/>
        <source>Save As…</source>
        <translation>Guardar como…</translation>
    </message>
    <message>
        <location filename="../src/figures/FigureCommands.cpp" line="194"/>
        <source>Print…</source>
        <translation>Imprimir…</translation>
    </message>
</context>
<context>
    <name>fc::FigureExport</name>
    <message>
        <location filename="../src/figures/FigureExport.cpp" line="33"/>
        <source>PNG image</source>
        <translation>Imagen PNG</translation>
    </message>
    <message>
        <location filename="../src/figures/FigureExport.cpp" line="34"/>
        <source>SVG image</source>
        <translation>Imagen SVG</translation>
    </message>
    <message>
        <location filename="../src/figures/FigureExport.cpp" line="35"/>
        <source>PDF document</source>
        <translation>Documento PDF</translation>
    </message>
    <message>
        <location filename="../src/figures/FigureExport.cpp" line="172"/>
        <source>The figure could not be drawn as %1.</source>
        <translation>No se pudo generar la figura en formato %1.</translation>
    </message>
</context>
<context>
    <name>fc::FigureWindow</name>
    <message>
        <location filename="../src/figures/FigureWindow.cpp" line="59"/>
        <source>Print Preview…</source>
        <translation>Vista previa de impresión…</translation>
    </message>
</context>
<context>
    <name>fc::Numbers</name>
    <message>
        <location filename="../src/figures/Numbers.cpp" line="23"/>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
</context>
<context>
    <name>fc::Page</name>
    <message>
        <location filename="../src/shell/Page.cpp" line="219"/>
        <source>Explore…</source>
        <translation>Explorar…</translation>
    </message>
</context>
<context>
    <name>fc::PictureArea</name>
    <message>
        <location filename="../src/figures/PictureArea.cpp" line="57"/>
        <source>Empty figure area</source>
        <translation>Área de figura vacía</translation>
    </message>
    <message>
        <location filename="../src/figures/PictureArea.cpp" line="68"/>
        <source>Double-click to enlarge · right-click to copy, save or print · Ctrl+E to explore</source>
        <translation>Doble clic para ampliar · clic derecho para copiar, guardar o imprimir · Ctrl+E para explorar</translation>
    </message>
    <message>
        <location filename="../src/figures/PictureArea.cpp" line="248"/>
        <source>Open in Window</source>
        <translation>Abrir en una ventana</translation>
    </message>
</context>
<context>
    <name>fc::PredictPanel</name>
    <message>
        <location filename="../src/explorer/PredictPanel.cpp" line="25"/>
        <source>Central venous pressure will…</source>
        <translation>La presión venosa central…</translation>
    </message>
    <message>
        <location filename="../src/explorer/PredictPanel.cpp" line="26"/>
        <source>Cardiac output will…</source>
        <translation>El gasto cardíaco…</translation>
    </message>
    <message>
        <location filename="../src/explorer/PredictPanel.cpp" line="27"/>
        <source>Mean systemic filling pressure will…</source>
        <translation>La presión media de llenado sistémico…</translation>
    </message>
    <message>
        <location filename="../src/explorer/PredictPanel.cpp" line="37"/>
        <source>Rises</source>
        <translation>Aumenta</translation>
    </message>
    <message>
        <location filename="../src/explorer/PredictPanel.cpp" line="38"/>
        <source>About the same</source>
        <translation>Se mantiene casi igual</translation>
    </message>
    <message>
        <location filename="../src/explorer/PredictPanel.cpp" line="39"/>
        <source>Falls</source>
        <translation>Disminuye</translation>
    </message>
    <message>
        <location filename="../src/explorer/PredictPanel.cpp" line="58"/>
        <source>&amp;Predict first</source>
        <translation>&amp;Predecir primero</translation>
    </message>
    <message>
        <location filename="../src/explorer/PredictPanel.cpp" line="61"/>
        <source>Hold each change back until you have predicted what it does to CVP, CO and MSFP</source>
        <translation>Retener cada cambio hasta que haya predicho su efecto sobre la PVC, el GC y la PMLS</translation>
    </message>
    <message>
        <location filename="../src/explorer/PredictPanel.cpp" line="62"/>
        <source>&amp;Next change</source>
        <translation>&amp;Siguiente cambio</translation>
    </message>
    <message>
        <location filename="../src/explorer/PredictPanel.cpp" line="63"/>
        <source>A scenario not yet done, chosen at random</source>
        <translation>Un escenario aún no realizado, elegido al azar</translation>
    </message>
    <message>
        <location filename="../src/explorer/PredictPanel.cpp" line="80"/>
        <source>S&amp;how</source>
        <translation>&amp;Mostrar</translation>
    </message>
    <message>
        <location filename="../src/explorer/PredictPanel.cpp" line="81"/>
        <source>Show the change and whether each prediction was right</source>
        <translation>Mostrar el cambio y si cada predicción fue acertada</translation>
    </message>
    <message>
        <location filename="../src/explorer/PredictPanel.cpp" line="187"/>
        <source>Choose a scenario, move a factor or press Next change, then predict what happens before you see it.</source>
        <translation>Elija un escenario, mueva un factor o pulse «Siguiente cambio» y prediga lo que ocurrirá antes de verlo.</translation>
    </message>
</context>
<context>
    <name>fc::Scenario</name>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="20"/>
        <source>Increased contractility</source>
        <translation>Aumento de la contractilidad</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="21"/>
        <source>The cardiac function curve rises, so the operating point moves up and to the left along the unchanged vascular function curve: more output at a lower CVP.</source>
        <translation>La curva de función cardíaca se eleva, de modo que el punto de funcionamiento se desplaza hacia arriba y a la izquierda a lo largo de la curva de función vascular, que no cambia: más gasto con una PVC más baja.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="22"/>
        <source>Decreased contractility</source>
        <translation>Disminución de la contractilidad</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="23"/>
        <source>The cardiac function curve sinks, so the operating point slides down and to the right: less output although CVP is higher.</source>
        <translation>La curva de función cardíaca desciende, de modo que el punto de funcionamiento se desplaza hacia abajo y a la derecha: menos gasto aunque la PVC sea más alta.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="24"/>
        <source>Transfusion</source>
        <translation>Transfusión</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="25"/>
        <source>More volume raises MSFP and shifts the vascular function curve to the right with the same slope, so CVP and output both rise.</source>
        <translation>Más volumen eleva la PMLS y desplaza la curva de función vascular a la derecha con la misma pendiente, de modo que aumentan tanto la PVC como el gasto.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="26"/>
        <source>Blood loss</source>
        <translation>Pérdida de sangre</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="27"/>
        <source>Less volume lowers MSFP and shifts the vascular function curve to the left, so CVP and output both fall.</source>
        <translation>Menos volumen reduce la PMLS y desplaza la curva de función vascular a la izquierda, de modo que disminuyen tanto la PVC como el gasto.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="28"/>
        <source>Blood loss after reflexes</source>
        <translation>Pérdida de sangre tras los reflejos</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="29"/>
        <source>The reflexes raise contractility and heart rate and constrict the veins, which lifts output; the arteriolar constriction that holds up arterial pressure flattens the VFC and takes part of that gain back, so output recovers only part of the way while CVP stays low.</source>
        <translation>Los reflejos aumentan la contractilidad y la frecuencia cardíaca y contraen las venas, lo que eleva el gasto; la constricción arteriolar que sostiene la presión arterial aplana la CFV y anula parte de esa ganancia, de modo que el gasto solo se recupera en parte, mientras que la PVC sigue baja.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="30"/>
        <source>Standing up</source>
        <translation>Ponerse de pie</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="31"/>
        <source>Blood pools in the distensible veins of the legs and less of it fills the central veins, as if the veins had grown more compliant: MSFP falls, the vascular function curve shifts to the left, and CVP and output both fall.</source>
        <translation>La sangre se acumula en las venas distensibles de las piernas y llena menos las venas centrales, como si hubiera aumentado la distensibilidad venosa: la PMLS disminuye, la curva de función vascular se desplaza a la izquierda y disminuyen tanto la PVC como el gasto.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="32"/>
        <source>Standing up after reflexes</source>
        <translation>Ponerse de pie tras los reflejos</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="33"/>
        <source>Baroreceptor reflexes raise contractility and heart rate, constrict the veins and raise resistance a little: output comes back most of the way to its level lying down, at a lower CVP.</source>
        <translation>Los reflejos barorreceptores aumentan la contractilidad y la frecuencia cardíaca, contraen las venas y elevan algo la resistencia: el gasto recupera en su mayor parte el valor que tenía en decúbito, con una PVC más baja.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="34"/>
        <source>Venoconstriction</source>
        <translation>Venoconstricción</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="35"/>
        <source>Constricted veins hold less blood at the same pressure, so MSFP rises as more volume would and the vascular function curve shifts to the right: CVP and output rise.</source>
        <translation>Las venas contraídas contienen menos sangre a la misma presión, de modo que la PMLS aumenta como lo haría con más volumen y la curva de función vascular se desplaza a la derecha: aumentan la PVC y el gasto.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="36"/>
        <source>Vasodilation</source>
        <translation>Vasodilatación</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="37"/>
        <source>Lower resistance makes the vascular function curve steeper about the same MSFP, so output rises with the same contractility.</source>
        <translation>Una resistencia menor hace más pronunciada la curva de función vascular en torno a la misma PMLS, de modo que el gasto aumenta con la misma contractilidad.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="38"/>
        <source>Vasoconstriction</source>
        <translation>Vasoconstricción</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="39"/>
        <source>Higher resistance flattens the vascular function curve about the same MSFP, so output and CVP fall.</source>
        <translation>Una resistencia mayor aplana la curva de función vascular en torno a la misma PMLS, de modo que disminuyen el gasto y la PVC.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="40"/>
        <source>Moderate heart failure</source>
        <translation>Insuficiencia cardíaca moderada</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="41"/>
        <source>The failing heart&apos;s curve is lower and levels off near 5&#xa0;l/min: output falls and CVP rises.</source>
        <translation>La curva del corazón insuficiente es más baja y se estabiliza cerca de 5&#xa0;l/min: el gasto disminuye y la PVC aumenta.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="42"/>
        <source>Moderate heart failure with fluid retention</source>
        <translation>Insuficiencia cardíaca moderada con retención de líquido</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="43"/>
        <source>Retained fluid raises MSFP, and the higher CVP brings output back close to normal through the Frank-Starling mechanism.</source>
        <translation>El líquido retenido eleva la PMLS, y la PVC más alta devuelve el gasto cerca de lo normal por el mecanismo de Frank-Starling.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="44"/>
        <source>Severe heart failure</source>
        <translation>Insuficiencia cardíaca grave</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="45"/>
        <source>The curve of a severely failing heart levels off near 3&#xa0;l/min: output is low and CVP high.</source>
        <translation>La curva de un corazón con insuficiencia grave se estabiliza cerca de 3&#xa0;l/min: el gasto es bajo y la PVC, alta.</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="46"/>
        <source>Severe heart failure with fluid retention</source>
        <translation>Insuficiencia cardíaca grave con retención de líquido</translation>
    </message>
    <message>
        <location filename="../src/explorer/Scenarios.cpp" line="47"/>
        <source>Retained fluid raises CVP a great deal but output only a little, as the weak heart has little reserve left to use.</source>
        <translation>El líquido retenido eleva mucho la PVC, pero el gasto solo un poco, porque al corazón debilitado le queda poca reserva.</translation>
    </message>
</context>
<context>
    <name>fc::Zoom</name>
    <message>
        <location filename="../src/shell/Zoom.cpp" line="61"/>
        <source>Zoom %1% (fits this screen)</source>
        <translation>Zoom %1% (ajustado a esta pantalla)</translation>
    </message>
    <message>
        <location filename="../src/shell/Zoom.cpp" line="62"/>
        <location filename="../src/shell/Zoom.cpp" line="71"/>
        <source>Zoom %1%</source>
        <translation>Zoom %1%</translation>
    </message>
    <message>
        <location filename="../src/shell/Zoom.cpp" line="74"/>
        <source>Zoom %1% (largest)</source>
        <translation>Zoom %1% (máximo)</translation>
    </message>
    <message>
        <location filename="../src/shell/Zoom.cpp" line="74"/>
        <source>Zoom %1% (smallest)</source>
        <translation>Zoom %1% (mínimo)</translation>
    </message>
</context>
<context>
    <name>fc::ZoomIndicator</name>
    <message>
        <location filename="../src/shell/ZoomIndicator.cpp" line="24"/>
        <source>Zoom level of the pages</source>
        <translation>Nivel de zoom de las páginas</translation>
    </message>
</context>
</TS>
